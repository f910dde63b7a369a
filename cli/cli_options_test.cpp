#include "cli/cli_options.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(CliOptions, ParsesEveryKindOfOption) {
  std::string error;
  const auto o = parseCliOptions({"--mode", "1", "--source", "a.csv", "--set", "Ucet=1", "--set", "KoeficientCSV=0,001",
                                  "--sum-lines", "--thousands", "", "--dump", "-"},
                                 error);
  ASSERT_TRUE(o) << error;
  EXPECT_EQ(o->mode, 1);
  EXPECT_EQ(o->source, "a.csv");
  ASSERT_EQ(o->sets.size(), 2u);
  EXPECT_EQ(o->sets[1].second, "0,001");
  EXPECT_TRUE(o->sumLines);
  EXPECT_EQ(o->thousands, "");
}

TEST(CliOptions, BadUsageIsReported) {
  std::string error;
  EXPECT_FALSE(parseCliOptions({"--bogus"}, error));
  EXPECT_NE(error.find("--bogus"), std::string::npos);
  EXPECT_FALSE(parseCliOptions({"--mode"}, error));
  EXPECT_FALSE(parseCliOptions({"--mode", "x"}, error));
  EXPECT_FALSE(parseCliOptions({"--set", "=1"}, error));
  EXPECT_FALSE(parseCliOptions({"--backend", "excel"}, error));
  EXPECT_NE(error.find("file nebo libreoffice"), std::string::npos);
}

}  // namespace kalkora
