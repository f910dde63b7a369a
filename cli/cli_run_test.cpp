#include "cli/cli_run.h"

#include <gtest/gtest.h>

#include <sstream>

#include "memory_file_system.h"

namespace kalkora {

TEST(CliRun, LoadsWritesControlCsvAndDumps) {
  MemoryFileSystem fs;
  fs.files["o.csv"] = "311;1\n";
  std::string error;
  const auto o = parseCliOptions({"--mode", "1", "--source", "o.csv", "--set", "Ucet=1", "--set", "Castka=2",
                                  "--decimal", ",", "--thousands", " ", "--control-csv", "k.csv", "--dump", "-"},
                                 error);
  ASSERT_TRUE(o);
  std::ostringstream out, err;
  EXPECT_EQ(runCli(*o, fs, out, err), 0) << err.str();
  EXPECT_EQ(fs.files["k.csv"], ";311;1;\r\n");
  EXPECT_NE(out.str().find("[\"\", \"311\", \"1\", \"\"]"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("\"loaded\": 1"), std::string::npos);
}

TEST(CliRun, ErrorsAndWarningsGoToStandardError) {
  MemoryFileSystem fs;
  fs.files["o.txt"] = "311;1\n";
  std::string error;
  std::ostringstream out, err;
  auto o = parseCliOptions({"--mode", "1", "--source", "o.txt", "--set", "Ucet=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 0);
  EXPECT_EQ(err.str(), "Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně.\n");

  err.str("");
  o = parseCliOptions({"--mode", "1", "--source", "missing.csv"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
  EXPECT_EQ(err.str(), "Importní soubor nebyl nalezen.\n");

  err.str("");
  o = parseCliOptions({"--set", "Neznamy=1"}, error);
  EXPECT_EQ(runCli(*o, fs, out, err), 1);
}

}  // namespace kalkora
