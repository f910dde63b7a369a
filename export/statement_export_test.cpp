#include "export/statement_export.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "export/clearing_rows.h"
#include "export/workbook_layout.h"
#include "export/statement_run.h"
#include "platform/error.h"
#include "testing/recording_spreadsheet.h"

namespace kalkora {
namespace {

using Bar = ExportProgress::Bar;

class RecordingProgress : public ExportProgress {
 public:
  std::map<Bar, int> maximum, position;
  std::string status;
  bool busy = false;
  std::optional<bool> clearingShown;
  void setMaximum(Bar bar, int value) override { maximum[bar] = value; }
  void setPosition(Bar bar, int value) override { position[bar] = value; }
  void setStatus(const std::string& text) override { status = text; }
  void setBusy(bool on) override { busy = on; }
  void setClearingShown(bool shown) override { clearingShown = shown; }
};

struct Fixture {
  Workspace ws;
  RecordingSpreadsheet sheet;
  RecordingProgress progress;

  StatementProcedure procedure;

  Fixture(StatementProcedure procedure, std::vector<std::string> sheetNames)
      : sheet(std::move(sheetNames)), procedure(procedure) {
    ws.params.Edit1 = "3";  // column 9
  }
  // Import rows 1.. with columns 0 to 3.
  void rows(const std::vector<ImportTable::Row>& rows) {
    ws.table.setRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i)
      for (int c = 0; c < ImportTable::kColumns; ++c)
        ws.table.setCell(c, static_cast<int>(i) + 1, rows[i][static_cast<size_t>(c)]);
  }
  void marking(int sheetPosition, int row, const std::string& text) { sheet.setCell(sheetPosition, row, 6, text); }
  std::string run() {
    try {
      exportStatements(procedure, ws, Regional{}, sheet, progress);
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }
  std::vector<std::string> writes() const {
    std::vector<std::string> w;
    for (const std::string& c : sheet.calls)
      if (c.starts_with("number") || c.starts_with("zero")) w.push_back(c);
    return w;
  }
  // Every marking cell the export read, failing the test when one is read twice.
  std::set<std::string> readsOnce() const {
    std::set<std::string> reads;
    for (const std::string& c : sheet.calls)
      if (c.starts_with("read") && !reads.insert(c).second) ADD_FAILURE() << c << " read twice";
    return reads;
  }
};

const std::vector<std::string> kCzechSheets = {"Úvod", "Rozvahy netto", "Výsledovky", "Analýza"};

// The table the RUZ reader leaves: balance lines 1 to 145, income lines 1 to 61.
std::vector<ImportTable::Row> ruzRows() {
  std::vector<ImportTable::Row> rows;
  for (int n = 1; n <= 145; ++n)
    rows.push_back({"", std::to_string(n), std::to_string(n), n < 79 ? "Rozvaha aktiva" : "Rozvaha pasiva"});
  for (int n = 1; n <= 61; ++n) rows.push_back({"", std::to_string(n), std::to_string(1000 + n), "Výsledovka"});
  rows[0][3] += " - suma";    // balance line 1
  rows[146][3] += " - suma";  // income line 2
  return rows;
}

}  // namespace

TEST(StatementExport, CsvStatementSearchesTheTypesRangeAndWritesSumLinesOnlyWhenAsked) {
  for (const bool sumLines : {false, true}) {
    Fixture f(exportCsvStatement, kCzechSheets);
    f.ws.params.RadioGroup1 = 1;  // "Rozvaha vzor 2015 - pasiva": lines 67 to 124, rows 67 to 140
    f.ws.params.CheckBox12 = sumLines;
    std::vector<ImportTable::Row> rows;
    for (int line = 67; line <= 124; ++line) rows.push_back({"", std::to_string(line), "1", ""});
    rows[0] = {"", "67", "1,5", "suma"};
    rows[1] = {"", "68", "0", ""};
    f.rows(rows);
    f.marking(2, 10, "67");  // above the range
    f.marking(2, 70, "67");
    f.marking(2, 80, "67");
    f.marking(2, 71, "68");
    EXPECT_EQ(f.run(), "");
    std::vector<std::string> expected = {"number 2 71 9 0"};
    if (sumLines) expected.insert(expected.begin(), "number 2 70 9 1,5");
    EXPECT_EQ(f.writes(), expected);
    const std::set<std::string> reads = f.readsOnce();
    EXPECT_EQ(reads.size(), 74u);  // rows 67 to 140, each once, for 58 searches
    EXPECT_EQ(*reads.begin(), "read 2 100 6");
    EXPECT_EQ(f.progress.maximum[Bar::Balance], 66);
    EXPECT_EQ(f.progress.position[Bar::Balance], 58);
    EXPECT_EQ(f.progress.clearingShown, false);
    EXPECT_EQ(f.progress.status, kExportDone);
    EXPECT_FALSE(f.progress.busy);
  }
}

TEST(StatementExport, FailuresBeforeAndDuringACsvExport) {
  Fixture f(exportCsvStatement, kCzechSheets);
  f.ws.params.RadioGroup1 = 5;  // "Výsledovka vzor od 1.1.2016": 56 lines
  f.ws.params.Edit1 = "";
  EXPECT_EQ(f.run(), kPeriodRangeMessage);
  EXPECT_TRUE(f.sheet.calls.empty());
  EXPECT_TRUE(f.progress.busy);
  EXPECT_EQ(f.progress.status, kExportWorking);

  // A table shorter than the type: what was written before stays.
  f.ws.params.Edit1 = "1";
  f.rows({{"", "1", "10", ""}, {"", "2", "20", ""}});
  f.marking(3, 1, "1");
  f.marking(3, 2, "2");
  EXPECT_EQ(f.run(), "V tabulce chybí řádek 3, který export výkazu potřebuje. Načtěte výkaz znovu se správným "
                     "typem výkazu.");
  EXPECT_EQ(f.writes(), (std::vector<std::string>{"number 3 1 7 10", "number 3 2 7 20"}));
  EXPECT_FALSE(f.progress.busy);
  EXPECT_EQ(f.progress.status, kExportDone);

  f.rows({{"", "1", "1.5", ""}});
  EXPECT_EQ(f.run(), "Částka „1.5“ na řádku 1 tabulky není platné číslo.");
}

TEST(StatementExport, P501AssetsSkipZeroIntoRow80AndUnsetTargets) {
  Fixture f(exportP501Report, kCzechSheets);
  f.ws.params.RadioGroup2 = 3;
  f.rows({{"7", "", "A.", "12"}, {"80", "", "B.", "5"}, {"80", "", "C.", "0"}, {"0", "", "D.", "9"}});
  EXPECT_EQ(f.run(), "");
  EXPECT_EQ(f.writes(), (std::vector<std::string>{"number 2 7 9 12", "number 2 80 9 5"}));
  EXPECT_EQ(f.progress.position[Bar::Balance], 4);

  // The income statement has no row-80 rule; a target that is no row ends it.
  Fixture g(exportP501Report, kCzechSheets);
  g.ws.params.RadioGroup2 = 2;
  g.rows({{"80", "", "A.", "0"}, {"", "", "B.", "3"}, {"9", "", "C.", "4"}});
  EXPECT_EQ(g.run(), "„“ není číslo řádku listu.");
  EXPECT_EQ(g.writes(), std::vector<std::string>{"number 3 80 9 0"});
  EXPECT_FALSE(g.progress.busy);
  EXPECT_EQ(g.progress.status, kExportDone);
}

TEST(StatementExport, P501TypesWithoutTargetsWriteNothingAndLeaveTheBars) {
  for (const int type : {0, 1, 4, -1}) {
    Fixture f(exportP501Report, kCzechSheets);
    f.ws.params.RadioGroup2 = type;
    f.rows({{"7", "", "A.", "12"}});
    EXPECT_EQ(f.run(), "");
    EXPECT_TRUE(f.sheet.calls.empty()) << type;
    EXPECT_TRUE(f.progress.position.empty()) << type;
    EXPECT_EQ(f.progress.status, kExportDone);
  }
}

TEST(StatementExport, RuzClearsThenWritesForwardAndStopsThePassAtAMissingMarking) {
  Fixture f(exportRuzStatement, {"Úvod", "Súvahy netto", "Výsledovky", "Analýza"});
  f.ws.params.CheckBox15 = true;
  f.rows(ruzRows());
  for (int n = 1; n <= 145; ++n)
    if (n != 5) f.marking(2, n + 5, std::to_string(n));  // line 5 is missing
  for (int n = 1; n <= 61; ++n) f.marking(3, n < 7 ? n : n + 2, std::to_string(n));
  f.sheet.setCell(2, 17, 9, "keep");
  f.sheet.setCell(3, 8, 9, "keep");
  EXPECT_EQ(f.run(), "");
  EXPECT_EQ(f.sheet.count("zero 2 "), 116);
  EXPECT_EQ(f.sheet.count("zero 3 "), 45);
  EXPECT_EQ(f.sheet.cell(2, 16, 9), "0");
  EXPECT_EQ(f.sheet.cell(2, 17, 9), "keep");
  // Line 1 is a sum: found, not written. Lines 2 to 4 land, line 5 is not
  // found and nothing after it is written.
  EXPECT_EQ(f.sheet.count("number 2 "), 3);
  EXPECT_EQ(f.sheet.cell(2, 6, 9), "");
  EXPECT_EQ(f.sheet.cell(2, 9, 9), "4");
  EXPECT_EQ(f.sheet.cell(2, 10, 9), "0");
  // The income pass is not affected; its sum line 2 is not written.
  EXPECT_EQ(f.sheet.count("number 3 "), 60);
  EXPECT_EQ(f.sheet.cell(3, 7, 9), "0");
  EXPECT_EQ(f.sheet.cell(3, 8, 9), "keep");
  EXPECT_EQ(f.sheet.cell(3, 9, 9), "1007");
  EXPECT_EQ(f.sheet.cell(3, 2, 9), "");
  EXPECT_EQ(f.readsOnce().size(), 156u + 63u);
  EXPECT_EQ(f.progress.position[Bar::Clearing], 150);
  EXPECT_EQ(f.progress.position[Bar::Balance], 150);
  EXPECT_EQ(f.progress.clearingShown, true);
  EXPECT_EQ(f.progress.status, kExportDone);
}

TEST(StatementExport, ClearingFindsTheIncomeStatementByNameBeforeWritingZeros) {
  // The income statement at position 4, something else at 3: 3 stays untouched.
  Fixture f(exportRuzStatement, {"Úvod", "Súvahy netto", "Poznámky", "Výsledovky"});
  f.ws.params.CheckBox15 = true;
  f.rows(ruzRows());
  EXPECT_EQ(f.run(), "");
  EXPECT_EQ(f.sheet.count("zero 4 "), 45);
  EXPECT_EQ(f.sheet.count("zero 3 "), 0);

  // No income statement at all: nothing cleared there, and the income pass
  // fails at the sheet's first access; the RUZ export keeps the busy cursor.
  Fixture g(exportTaxReturn, {"Úvod", "Rozvahy netto", "Poznámky", "Analýza"});
  g.ws.params.CheckBox16 = true;
  g.ws.params.Edit40 = "1";
  g.ws.params.Edit41 = "1";
  g.rows({{"", "1", "5", "Rozvaha aktiva"}, {"", "1", "6", "Výsledovka"}});
  EXPECT_NE(g.run(), "");
  EXPECT_EQ(g.sheet.count("zero 2 "), 104);
  EXPECT_EQ(g.writes().size(), 104u);
  EXPECT_FALSE(g.progress.busy);  // the tax-portal income pass gives the cursor back
  EXPECT_EQ(g.progress.status, kExportDone);
}

TEST(StatementExport, WithoutABalanceSheetRuzAndTaxPortalFailBeforeWriting) {
  const std::pair<StatementProcedure, const char*> cases[] = {{exportRuzStatement, kRuzNoBalanceSheet},
                                                             {exportTaxReturn, kTaxNoBalanceSheet}};
  for (const auto& [procedure, message] : cases) {
    Fixture f(procedure, {"Úvod", "Rozvaha", "Výsledovky", "Analýza"});
    f.ws.params.CheckBox15 = f.ws.params.CheckBox16 = true;
    f.ws.params.Edit40 = f.ws.params.Edit41 = "0";
    EXPECT_EQ(f.run(), message);
    EXPECT_TRUE(f.writes().empty());
    EXPECT_FALSE(f.progress.busy);
    EXPECT_EQ(f.progress.status, kExportWorking);
  }
}

TEST(StatementExport, TaxPortalSearchesFromRowOneAndSkipsZeroAmounts) {
  Fixture f(exportTaxReturn, kCzechSheets);
  f.ws.params.Edit40 = "4";
  f.ws.params.Edit41 = "1";
  f.rows({{"", "1", "5", "Rozvaha aktiva - suma"},
          {"", "2", "7", "Rozvaha aktiva"},
          {"", "2", "0", "Rozvaha aktiva"},
          {"", "9", "1", "Rozvaha pasiva"},  // not on the sheet
          {"", "1", "8", "Výsledovka"}});
  f.marking(2, 3, "1");
  f.marking(2, 4, "2");
  f.marking(2, 5, "2");
  f.marking(3, 2, "1");
  EXPECT_EQ(f.run(), "");
  EXPECT_EQ(f.writes(),
            (std::vector<std::string>{"number 2 3 9 5", "number 2 4 9 7", "number 3 2 9 8"}));
  EXPECT_EQ(f.readsOnce().size(), 155u + 2u);
  EXPECT_EQ(f.progress.maximum[Bar::Balance], 280);
  EXPECT_EQ(f.progress.maximum[Bar::Income], 30);
  EXPECT_EQ(f.progress.maximum[Bar::Clearing], 140);
  EXPECT_EQ(f.progress.position[Bar::Balance], 3 + 4 + 1 + 155);
  EXPECT_EQ(f.progress.position[Bar::Income], 2);

  // A failure in the balance pass keeps the busy cursor and the working text.
  f.ws.table.setCell(2, 2, "x");
  EXPECT_NE(f.run(), "");
  EXPECT_TRUE(f.progress.busy);
  EXPECT_EQ(f.progress.status, kExportWorking);
}

TEST(ClearingRows, SetsHoldTheirRowCountsInAscendingOrder) {
  const std::pair<std::span<const RowRange>, int> sets[] = {{ruzBalanceClearingRows(), 116},
                                                            {ruzIncomeClearingRows(), 45},
                                                            {taxBalanceClearingRows(), 104},
                                                            {taxIncomeClearingRows(), 38}};
  for (const auto& [rows, count] : sets) {
    int total = 0, last = 0;
    for (const RowRange& r : rows) {
      EXPECT_GT(r.first, last);
      EXPECT_LE(r.first, r.last);
      total += r.last - r.first + 1;
      last = r.last;
    }
    EXPECT_EQ(total, count);
    EXPECT_LE(last, 156);
  }
}

}  // namespace kalkora
