#include "cli/cli_help.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

#include "cli/cli_options.h"

namespace kalkora {

TEST(CliHelp, ExplainsEveryOptionAndOnlyOptionsThatExist) {
  const std::string help = cliHelp();
  std::set<std::string> explained;
  const std::regex option(R"(\n  (--[a-z-]+))");
  for (auto it = std::sregex_iterator(help.begin(), help.end(), option); it != std::sregex_iterator(); ++it)
    explained.insert((*it)[1]);
  // Every option of kalkora-cli with a value it takes; an option the parser
  // knows has to be explained, and only such.
  const std::pair<const char*, const char*> options[] = {
      {"--settings", "k.ini"}, {"--mode", "1"},        {"--source", "a.csv"},     {"--balance-def", "r.txt"},
      {"--income-def", "v.txt"}, {"--set", "Ucet=1"},  {"--statement-type", "0"}, {"--form", "DPPDP8"},
      {"--sum-lines", nullptr}, {"--clear-period", nullptr}, {"--decimal", ","}, {"--thousands", ""},
      {"--dump", "-"},          {"--control-csv", "k.csv"}, {"--workbook", "k.xlsx"}, {"--period", "1"},
      {"--backend", "file"},    {"--output", "o.xlsx"}, {"--help", nullptr},     {"--version", nullptr},
      {"--report", "-"},        {"--strict", nullptr}, {"--restore-backup", "k.xlsx"}};
  for (const auto& [name, value] : options) {
    std::vector<std::string> args{name};
    if (value) args.emplace_back(value);
    std::string error;
    const bool accepted = parseCliOptions(args, error).has_value();
    EXPECT_EQ(accepted, explained.erase(name) == 1) << name << ": " << error;
  }
  EXPECT_TRUE(explained.empty()) << *explained.begin();
  std::string error;
  EXPECT_TRUE(parseCliOptions({"--version"}, error)->version);
  EXPECT_EQ(cliVersion(), "kalkora-cli Verze 4.25 / 10.4.2024 (CSV,XML)\n");
}

}  // namespace kalkora
