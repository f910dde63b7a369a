#include "platform/number.h"

#include <gtest/gtest.h>

#include "platform/error.h"

namespace kalkora {

TEST(ParseNumber, AcceptsOnlyTheRegionalDecimalSeparator) {
  EXPECT_EQ(parseNumber("1234,5", U','), 1234.5);
  EXPECT_EQ(parseNumber("  -0,001 ", U','), -0.001);
  EXPECT_EQ(parseNumber("+12", U','), 12.0);
  EXPECT_EQ(parseNumber("1,5E3", U','), 1500.0);
  EXPECT_EQ(parseNumber(",5", U','), 0.5);
  EXPECT_FALSE(parseNumber("10.6", U','));
  EXPECT_TRUE(parseNumber("10.6", U'.'));
  EXPECT_FALSE(parseNumber("1 234", U','));
  EXPECT_FALSE(parseNumber("1,2,3", U','));
  EXPECT_FALSE(parseNumber("", U','));
  EXPECT_FALSE(parseNumber("-", U','));
  EXPECT_FALSE(parseNumber(",", U','));
  EXPECT_FALSE(parseNumber("12e", U','));
  EXPECT_FALSE(parseNumber("1e999", U','));
  EXPECT_FALSE(parseNumber("12Kč", U','));
}

TEST(ParseNumber, ANoBreakSpaceAtEitherEndIsNoBlank) {
  // The Czech thousands separator: an amount that still holds one is no number.
  EXPECT_FALSE(parseNumber("\u00A01234,5", U','));
  EXPECT_FALSE(parseNumber("1234,5\u00A0", U','));
  EXPECT_FALSE(parseNumber(" \u00A0-12 ", U','));
  EXPECT_EQ(parseNumber(" \t-12 \t", U','), -12.0);
  EXPECT_FALSE(parseInteger("\u00A05"));
  EXPECT_FALSE(parseInteger("5\u00A0"));
}

TEST(FormatWhole, RoundsHalvesAwayFromZero) {
  EXPECT_EQ(formatWhole(2.5), "3");
  EXPECT_EQ(formatWhole(-2.5), "-3");
  EXPECT_EQ(formatWhole(2.4999), "2");
  EXPECT_EQ(formatWhole(-0.4), "0");
  EXPECT_EQ(formatWhole(0.285 * 1000), "285");
  EXPECT_EQ(formatWhole(123456.7 * 0.001), "123");
  EXPECT_EQ(formatWhole(1234567890123.0), "1234567890123");
}

TEST(FormatShortest, WholeNumbersAsDigitsFractionsWithRegionalSeparator) {
  EXPECT_EQ(formatShortest(12, U','), "12");
  EXPECT_EQ(formatShortest(200000, U','), "200000");
  EXPECT_EQ(formatShortest(-3e9, U','), "-3000000000");
  EXPECT_EQ(formatShortest(12.5, U','), "12,5");
  EXPECT_EQ(formatShortest(-0.1, U'.'), "-0.1");
  EXPECT_EQ(formatShortest(0, U','), "0");
}

TEST(ParseInteger, DecimalAndHexadecimalStrictly) {
  EXPECT_EQ(parseInteger("42"), 42);
  EXPECT_EQ(parseInteger(" -7 "), -7);
  EXPECT_EQ(parseInteger("0x1F"), 31);
  EXPECT_EQ(parseInteger("$10"), 16);
  EXPECT_FALSE(parseInteger(""));
  EXPECT_FALSE(parseInteger("1a"));
  EXPECT_FALSE(parseInteger("1,0"));
  EXPECT_FALSE(parseInteger("99999999999999999999"));
  try {
    toInteger("abc");
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), "„abc“ není platné celé číslo.");
  }
}

}  // namespace kalkora
