#include "model/csv_fields.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(CsvFields, FieldsCountFromOneAndTheLastNeedsNoSeparator) {
  EXPECT_EQ(csvField("311;1 234,50", ";", 1), "311");
  EXPECT_EQ(csvField("311;1 234,50", ";", 2), "1 234,50");
  EXPECT_EQ(csvField("311;1 234,50", ";", 3), "");
  EXPECT_EQ(csvField("311;250;", ";", 2), "250");
  EXPECT_EQ(csvField("311;250;", ";", 3), "");
  EXPECT_EQ(csvField("311,250", ",", 2), "250");
  EXPECT_EQ(csvField(";x", ";", 1), "");
  EXPECT_EQ(csvField("a;b", ";", 0), "");
  EXPECT_EQ(csvField("a;b", ";", 1000000000000LL), "");
  EXPECT_FALSE(hasSeparator("abc", ""));
  EXPECT_TRUE(hasSeparator("a;c", ";"));
}

// Real exports quote a name that holds the separator; every field after it
// must stay in its column.
TEST(CsvFields, AQuotedFieldRunsToItsClosingQuote) {
  const std::string line = "311;\"Odběratelé; tuzemsko\";\"1 234,50\";\"\"";
  EXPECT_EQ(csvField(line, ";", 1), "311");
  EXPECT_EQ(csvField(line, ";", 2), "Odběratelé; tuzemsko");
  EXPECT_EQ(csvField(line, ";", 3), "1 234,50");
  EXPECT_EQ(csvField(line, ";", 4), "");
  EXPECT_EQ(csvField(line, ";", 5), "");
  EXPECT_EQ(csvField("\"Firma \"\"A;B\"\" s.r.o.\";7", ";", 1), "Firma \"A;B\" s.r.o.");
  EXPECT_EQ(csvField("\"Firma \"\"A;B\"\" s.r.o.\";7", ";", 2), "7");
  // Text after the closing quote belongs to the field up to the separator.
  EXPECT_EQ(csvField("\"311\".1;5", ";", 1), "311.1");
  EXPECT_EQ(csvField("\"311\".1;5", ";", 2), "5");
  // A quote that never closes takes the rest of the line; no field follows.
  EXPECT_EQ(csvField("311;\"Odběratelé; tuzemsko;50", ";", 2), "Odběratelé; tuzemsko;50");
  EXPECT_EQ(csvField("311;\"Odběratelé; tuzemsko;50", ";", 3), "");
  // Only a quote that begins a field protects; a quote inside one is text.
  EXPECT_EQ(csvField("1\"2;3\";4", ";", 2), "3\"");
  EXPECT_EQ(csvField(" \"a;b\"", ";", 2), "b\"");
  // With a separator that holds a quote, quotes are plain text.
  EXPECT_EQ(csvField("\"a\"\"b", "\"\"", 2), "\"b");
  // A longer separator: the cut after a quoted field drops its first character only.
  EXPECT_EQ(csvField("\"a;;b\";;c", ";;", 1), "a;;b");
  EXPECT_EQ(csvField("\"a;;b\";;c", ";;", 2), ";c");
  // The buffer form reuses the caller's string.
  std::string field = "stará hodnota";
  csvField(field, line, ";", 99);
  EXPECT_EQ(field, "");
}

TEST(CsvFields, ACutDropsOnlyTheFirstCharacterOfALongerSeparator) {
  EXPECT_EQ(csvField("a;;b;;c", ";;", 1), "a");
  EXPECT_EQ(csvField("a;;b;;c", ";;", 2), ";b");
  EXPECT_EQ(csvField("a;;b;;c", ";;", 3), ";c");
  EXPECT_EQ(csvField("311§1500§x", "§", 2), "1500");  // one character of two bytes
}

TEST(CsvFields, TerminatedFieldsNeedTheirSeparator) {
  EXPECT_EQ(terminatedField("Tržby;A.1.;1500", ";", 2), "A.1.");
  EXPECT_EQ(terminatedField("Tržby;A.1.;1500", ";", 3), "");  // last field without separator
  EXPECT_EQ(terminatedField("Tržby;A.1.;1500;", ";", 3), "1500");
  EXPECT_EQ(terminatedField(";;x;", ";", 1), "");
  EXPECT_EQ(terminatedField(";;x;", ";", 3), "x");
  EXPECT_EQ(terminatedField("a;b;", ";", 0), "");
  EXPECT_EQ(terminatedField("a;b;", "", 1), "");
}

}  // namespace kalkora
