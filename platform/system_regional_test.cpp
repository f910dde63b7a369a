#include "platform/system_regional.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace kalkora {
namespace {

TEST(SystemRegional, NoLocaleChosenMeansCzechConventions) {
  EXPECT_EQ(numericLocaleName("", "", ""), "C");
  EXPECT_EQ(numericLocaleName("", "de_DE.UTF-8", "en_US.UTF-8"), "de_DE.UTF-8");
  EXPECT_EQ(numericLocaleName("C.UTF-8", "de_DE.UTF-8", "en_US.UTF-8"), "C.UTF-8");
  for (const char* plain : {"C", "POSIX", "C.UTF-8", "C.utf8"}) EXPECT_TRUE(isPlainCLocale(plain)) << plain;
  for (const char* real : {"cs_CZ.UTF-8", "en_US", "Czech"}) EXPECT_FALSE(isPlainCLocale(real)) << real;

  // The hint "napište 0,001" has to work where the system sets no locale.
  const char* saved = std::getenv("LC_ALL");
  const std::string before = saved ? saved : "";
  ::setenv("LC_ALL", "POSIX", 1);
  const Regional regional = systemRegional();
  saved ? ::setenv("LC_ALL", before.c_str(), 1) : ::unsetenv("LC_ALL");
  EXPECT_EQ(regional.decimalSeparator, U',');
  EXPECT_EQ(regional.thousandsSeparator, U'\u00A0');
}

}  // namespace
}  // namespace kalkora
