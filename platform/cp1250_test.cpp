#include "platform/cp1250.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(Cp1250, RoundTripsEveryByteAndCzechLetters) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(utf8ToCp1250(cp1250ToUtf8(all)), all);
  EXPECT_EQ(cp1250ToUtf8("\x8A\x9A\xC8\xE8\xD8\xF8"), "ŠšČčŘř");
  EXPECT_EQ(utf8ToCp1250("Účet"), "\xDA\xE8\x65t");
}

TEST(Cp1250, UnmappableCharactersBecomeQuestionMarks) {
  EXPECT_EQ(utf8ToCp1250("a€b"), "a\x80" "b");
  EXPECT_EQ(utf8ToCp1250("日本"), "??");
  EXPECT_EQ(cp1250Code(U'日'), 63);
  EXPECT_EQ(cp1250Code(U'Â'), 0xC2);
  EXPECT_EQ(cp1250Code(U'\u00A0'), 0xA0);
}

TEST(Utf8, ValidationRejectsOverlongSurrogatesAndTruncation) {
  EXPECT_TRUE(isValidUtf8("žluťoučký kůň"));
  EXPECT_FALSE(isValidUtf8("\xC0\xAF"));          // overlong "/"
  EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));      // surrogate
  EXPECT_FALSE(isValidUtf8("\xC5"));              // cut short
  EXPECT_FALSE(isValidUtf8("abc\xE8" "def"));     // windows-1250 "č"
  EXPECT_EQ(decodeUtf8("a\xFF" "b"), U"a\uFFFDb");
  EXPECT_EQ(encodeUtf8(U"𝄞č"), "𝄞č");
}

}  // namespace kalkora
