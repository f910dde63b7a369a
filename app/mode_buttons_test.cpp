#include "app/mode_buttons.h"

#include <gtest/gtest.h>

#include "testing/reader_fixture.h"

namespace kalkora {

struct ModeButtons : ReaderTest {};

TEST_F(ModeButtons, AccountCheckButtonOnlyChecksInTurnoverModes) {
  ws.params.balanceDefinitionPath = "r.txt";
  ws.params.incomeDefinitionPath = "v.txt";
  fs.files["r.txt"] = "a\r\n   010 Pohledávky\r\n31,\r\n";
  fs.files["v.txt"] = "e\r\n   050Tržby\r\n60,\r\n";
  ws.table.setCell(1, 1, "3111");
  for (ImportMode mode : {ImportMode::None, ImportMode::CsvStatement, ImportMode::P501Report}) {
    ws.mode = mode;
    EXPECT_FALSE(accountCheckButtonPressed(ws, services));
  }
  EXPECT_EQ(messages.shown.back(), std::string("notice: ") + kAccountCheckOnlyForTurnovers);
  EXPECT_EQ(ws.table.cell(3, 1), "");
  ws.mode = ImportMode::XmlTurnovers;
  EXPECT_TRUE(accountCheckButtonPressed(ws, services));
  EXPECT_EQ(ws.table.cell(3, 1), "  Pohledávky");
}

}  // namespace kalkora
