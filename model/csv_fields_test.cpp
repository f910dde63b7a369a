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
  EXPECT_EQ(csvField("\"1;5\";x", ";", 2), "5\"");  // quotes protect nothing
  EXPECT_FALSE(hasSeparator("abc", ""));
  EXPECT_TRUE(hasSeparator("a;c", ";"));
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
