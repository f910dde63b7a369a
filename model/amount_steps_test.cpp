#include "model/amount_steps.h"

#include <gtest/gtest.h>

namespace kalkora::amount {

TEST(AmountSteps, RemovalStepsTakeAtMostTheirCount) {
  EXPECT_EQ(removeQuotes("\"\"\"1\""), "\"1\"");
  EXPECT_EQ(removeSpaces("1 2 3 4 5 6 7"), "123456 7");
  EXPECT_EQ(removeFirst("ÂÂ1", U'Â', 5), "1");
  Regional r;
  r.thousandsSeparator = U'\u00A0';
  EXPECT_EQ(removeThousandsSeparators("1\u00A0234\u00A0567", r), "1234567");
  EXPECT_EQ(markThousandsSeparators("1\u00A0234\u00A0567\u00A0", r), "1x234x567x");
  r.thousandsSeparator = U' ';
  EXPECT_EQ(removeThousandsSeparators("  1 2  ", r), "12");
  r.thousandsSeparator = 0;
  EXPECT_EQ(removeThousandsSeparators("1 234", r), "1 234");
  EXPECT_EQ(markThousandsSeparators("1 234", r), "1 234");
}

TEST(AmountSteps, CharacterCheckAndZeroTest) {
  EXPECT_EQ(checkCharacters("-1234,50"), "-1234,50");
  EXPECT_EQ(checkCharacters("12/3.4"), "12/3.4");
  EXPECT_EQ(checkCharacters("+100"), "");
  EXPECT_EQ(checkCharacters("100 Kč"), "");
  EXPECT_EQ(checkCharacters("1\u00A0000"), "1\u00A0000");  // code 160 passes
  // The edges of the two rejected ranges: 43 "+" and 58 ":" to 127, while
  // 44 ",", 57 "9" and 128 "€" pass.
  EXPECT_EQ(checkCharacters(",9\u20AC"), ",9\u20AC");
  for (const char* text : {"1:", "1\x7F", "1;", "1@", "1e5", "1~"}) EXPECT_EQ(checkCharacters(text), "") << text;
  EXPECT_EQ(checkCharacters(std::string("1\x05", 2), 21), std::string("1\x05", 2));
  EXPECT_EQ(checkCharacters(std::string("1\x05", 2), 0), "");
  EXPECT_EQ(zeroTest(""), "0");
  EXPECT_EQ(zeroTest("0,00"), "0");
  EXPECT_EQ(zeroTest("0.0"), "0");
  EXPECT_EQ(zeroTest("0,0"), "0,0");
}

TEST(AmountSteps, CoefficientAndDecimalPoint) {
  Regional r;
  EXPECT_EQ(applyCoefficient("123456,7", "0,001", r), "123");
  EXPECT_EQ(applyCoefficient("10,6", "1", r), "11");
  EXPECT_EQ(applyCoefficient("10.6", "1", r), "10.6");
  EXPECT_EQ(applyCoefficient("10,6", "", r), "10,6");
  EXPECT_EQ(applyCoefficient("10,6", "x", r), "10,6");
  EXPECT_EQ(applyCoefficient("-2,5", "1", r), "-3");
  EXPECT_EQ(rewriteDecimalPoint("1234.567"), "1234,56");
  EXPECT_EQ(rewriteDecimalPoint("12.3.4"), "12,3.");
  EXPECT_EQ(rewriteDecimalPoint("12,5"), "12,5");
}

}  // namespace kalkora::amount
