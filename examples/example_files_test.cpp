#include <gtest/gtest.h>

#include "app/import_modes.h"
#include "export/export_protocol.h"
#include "app/mode_buttons.h"
#include "export/export_progress.h"
#include "model/workspace.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "testing/recording_messages.h"
#include "testing/recording_spreadsheet.h"

namespace kalkora {
// The example set a new user starts with has to add up: every account lands
// in some row, and the balance sheet's result of the period equals the
// income statement's result after tax.
TEST(ExampleFiles, TurnoversFillBothStatementsConsistently) {
  DiskFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;
  const std::string dir = KALKORA_EXAMPLES_DIR;
  ws.params.Edit3 = dir + "/obraty.csv";
  ws.params.Edit5 = "1";
  ws.params.Edit6 = "3";
  ws.params.Edit7 = "2";
  ws.params.Edit1 = "1";
  ws.params.balanceDefinitionPath = dir + "/list_rozvaha.txt";
  ws.params.incomeDefinitionPath = dir + "/list_vysledovka.txt";
  ws.mode = ImportMode::CsvTurnovers;
  loadByMode(ws, services);
  ASSERT_GT(ws.table.rowCount(), 30);
  for (int row = 1; row < ws.table.rowCount(); ++row) EXPECT_NE(ws.table.cell(3, row), "") << ws.table.cell(1, row);

  RecordingSpreadsheet sheet({"Úvod", "Rozvahy netto", "Výsledovky", "Analýza"});
  ExportProgress progress;
  importModeRow(ws.mode)->exporter(ws, services, sheet, progress, noCellOrigins());
  const auto at = [&](int s, int row) { return *parseNumber(sheet.cell(s, row, 7), U','); };
  const double afterTax = at(3, 5) + at(3, 6) - at(3, 8) - at(3, 9) - at(3, 10) - at(3, 11) - at(3, 12) -
                          at(3, 13) - at(3, 14) + at(3, 15) - at(3, 16) + at(3, 18) - at(3, 19) + at(3, 20) -
                          at(3, 21) - at(3, 24);
  EXPECT_NEAR(at(2, 23), afterTax, 0.005);
  double assets = 0, liabilities = 0;
  for (int row : {6, 8, 9, 10, 12, 13, 14, 15, 16}) assets += at(2, row);
  for (int row : {19, 20, 21, 22, 23, 25, 27, 28, 29}) liabilities += at(2, row);
  EXPECT_NEAR(assets, liabilities, 0.005);
}

}  // namespace kalkora
