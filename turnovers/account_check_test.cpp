#include "turnovers/account_check.h"

#include <gtest/gtest.h>

#include "testing/memory_file_system.h"
#include "platform/error.h"
#include "testing/recording_messages.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

struct Fixture {
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;

  explicit Fixture(const std::vector<std::string>& accounts) {
    ws.params.balanceDefinitionPath = "r.txt";
    ws.params.incomeDefinitionPath = "v.txt";
    ws.table.setRowCount(static_cast<int>(accounts.size()) + 1);
    for (size_t i = 0; i < accounts.size(); ++i) ws.table.setCell(1, static_cast<int>(i + 1), accounts[i]);
    fs.files["r.txt"] =
        "a\r\n   010 Pohledávky\r\n31,\r\n"
        "b\r\n   020 Daň aktivní\r\n343>,\r\n"
        "c\r\n   030 Daň pasivní\r\n-343<,,,\r\n"
        "d\r\n   040 Opravky\r\n-391,3111\r\n";
    fs.files["v.txt"] = "e\r\n   050Tržby\r\n60,\r\n";
  }
  std::string labels(int row) const { return ws.table.cell(3, row); }
  std::string error() {
    try {
      ZkontrolujUcty(ws, services);
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }
};

}  // namespace

TEST(AccountCheck, LabelsEveryAccountInReadingOrder) {
  Fixture f({"3111", "3950", "3431", "3915", "6020"});
  f.ws.table.setCell(3, 2, "stará hodnota");
  ZkontrolujUcty(f.ws, f.services);
  // 3111 also matches the last entry of "-391,3111", written without its comma.
  EXPECT_EQ(f.labels(1), "  Pohledávky  Opravky");
  EXPECT_EQ(f.labels(2), "");
  EXPECT_EQ(f.labels(3), "  Daň aktivní  Daň pasivní");
  EXPECT_EQ(f.labels(4), "  Opravky");
  EXPECT_EQ(f.labels(5), "  Tržby");

  ZkontrolujUcty(f.ws, f.services);
  EXPECT_EQ(f.labels(1), "  Pohledávky  Opravky");
}

TEST(AccountCheck, LabelsRowsBeyondTheThousandth) {
  Fixture f(std::vector<std::string>(1500, "6011"));
  ZkontrolujUcty(f.ws, f.services);
  EXPECT_EQ(f.labels(1), "  Tržby");
  EXPECT_EQ(f.labels(1500), "  Tržby");
}

TEST(AccountCheck, MissingDefinitionsStopWithTheirMessages) {
  Fixture f({"3111", "6020"});
  f.ws.table.setCell(3, 1, "x");
  f.fs.files.erase("r.txt");
  EXPECT_EQ(f.error(), kBalanceDefinitionMissing);
  EXPECT_EQ(f.labels(1), "x");

  Fixture g({"3111", "6020"});
  g.fs.files.erase("v.txt");
  EXPECT_EQ(g.error(), kIncomeDefinitionMissing);
  EXPECT_EQ(g.labels(1), "  Pohledávky  Opravky");
}

}  // namespace kalkora
