#include "export/turnover_export.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "export/workbook_layout.h"
#include "testing/recording_spreadsheet.h"
#include "testing/memory_file_system.h"
#include "platform/error.h"
#include "platform/number.h"
#include "turnovers/definition_file.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

class RecordingProgress : public ExportProgress {
 public:
  std::vector<std::string> events;
  std::string status;
  void setMaximum(Bar bar, int maximum) override { events.push_back(name(bar) + " max " + std::to_string(maximum)); }
  void setPosition(Bar bar, int position) override { events.push_back(name(bar) + " " + std::to_string(position)); }
  void setStatus(const std::string& text) override { status = text; }

 private:
  static std::string name(Bar bar) { return bar == Bar::Balance ? "rozvaha" : "výsledovka"; }
};

struct Fixture {
  MemoryFileSystem fs;
  Workspace ws;
  RecordingSpreadsheet sheet{{"Úvod", "Rozvahy netto", "Výsledovky", "Poznámky"}};
  RecordingProgress progress;

  explicit Fixture(const std::vector<std::pair<std::string, std::string>>& accounts) {
    ws.params.Edit1 = "1";
    ws.params.balanceDefinitionPath = "r.txt";
    ws.params.incomeDefinitionPath = "v.txt";
    ws.table.setRowCount(static_cast<int>(accounts.size()) + 1);
    for (size_t i = 0; i < accounts.size(); ++i) {
      ws.table.setCell(1, static_cast<int>(i + 1), accounts[i].first);
      ws.table.setCell(2, static_cast<int>(i + 1), accounts[i].second);
    }
  }
  void balance(const std::string& text) { fs.files["r.txt"] = text; }
  void income(const std::string& text) { fs.files["v.txt"] = text; }
  void run() { NaplnDaty(ws, fs, sheet, progress); }
  std::string error() {
    try {
      run();
    } catch (const Error& e) {
      return e.what();
    }
    return "";
  }
};

const std::vector<std::pair<std::string, std::string>> kAccounts = {
    {"3111", "1000"}, {"3112", "500"}, {"3910", "200"},  {"3431", "500"}, {"3432", "-800"},
    {"6011", "0,1"},  {"6012", "0,2"}, {"5480", "1,25"}, {"3120", ""},    {"6013", "0,3"}};

}  // namespace

TEST(TurnoverExport, SumsEveryRecordIntoThePeriodColumn) {
  Fixture f(kAccounts);
  f.balance(
      "a\r\n   010 \r\n311,-391,\r\n"  // 1000 + 500 - 200
      "b\r\n   011 \r\n343>,\r\n"       // 500 - 800 is not above zero
      "c\r\n   012 \r\n343<,\r\n"       // turned positive
      "d\r\n   013 \r\n\r\n"            // no accounts: 0 all the same
      "e\r\n   014 \r\n,,\r\n"          // empty entries match nothing
      "f\r\n    15 \r\n31,3111\r\n");   // same accounts again; last entry without comma
  f.income(
      "g\r\n   020\r\n601,-548,\r\n"  // 0,1 + 0,2 + 0,3 - 1,25, in table order
      "h\r\n   021\r\n343>,343<,\r\n");  // marks are no marks here: nothing matches
  f.ws.params.Edit1 = "2";
  f.run();
  EXPECT_EQ(f.sheet.cell(2, 10, 8), "1300");
  EXPECT_EQ(f.sheet.cell(2, 11, 8), "0");
  EXPECT_EQ(f.sheet.cell(2, 12, 8), "300");
  EXPECT_EQ(f.sheet.cell(2, 13, 8), "0");
  EXPECT_EQ(f.sheet.cell(2, 14, 8), "0");
  EXPECT_EQ(f.sheet.cell(2, 15, 8), "2500");
  // Exactly the sum a pass over the table makes, decimal comma whatever the region.
  EXPECT_EQ(f.sheet.cell(3, 20, 8), formatShortest(0.1 + 0.2 + 0.3 - 1.25, U','));
  EXPECT_EQ(f.sheet.cell(3, 21, 8), "0");
  EXPECT_EQ(f.sheet.count("number"), 8);
  EXPECT_EQ(f.progress.status, kExportDone);
}

TEST(TurnoverExport, FindsSheetsByNameAtTheirPositions) {
  Fixture f(kAccounts);
  f.balance("a\r\n   010 \r\n311,\r\n");
  f.income("g\r\n   020\r\n601,\r\n");
  f.run();
  // Five names compared at positions 2 and 3, six at 3 and 4, one read each.
  EXPECT_EQ(f.sheet.count("name 2"), 5);
  EXPECT_EQ(f.sheet.count("name 3"), 5 + 6);
  EXPECT_EQ(f.sheet.count("name 4"), 6);
  EXPECT_EQ(f.sheet.calls[10], "number 2 10 7 1500");
  const std::string sum601 = formatShortest(0.1 + 0.2 + 0.3, U',');
  EXPECT_EQ(f.sheet.calls.back(), "number 3 20 7 " + sum601);

  // A later position wins.
  Fixture later(kAccounts);
  later.sheet = RecordingSpreadsheet({"Úvod", "Rozvahy netto", "Súvahy netto", "GuV Rechnung"});
  later.balance("a\r\n   010 \r\n311,\r\n");
  later.income("g\r\n   020\r\n601,\r\n");
  later.run();
  EXPECT_EQ(later.sheet.cell(3, 10, 7), "1500");
  EXPECT_EQ(later.sheet.cell(4, 20, 7), sum601);

  // Names compare exactly: no sheet found, the first write fails.
  Fixture wrongCase(kAccounts);
  wrongCase.sheet = RecordingSpreadsheet({"Úvod", "rozvahy netto", "Výsledovky", "x"});
  wrongCase.balance("a\r\n   010 \r\n311,\r\n");
  EXPECT_EQ(wrongCase.error(), "List č. 0 v sešitu není.");
  EXPECT_EQ(wrongCase.progress.status, kExportWorking);
}

TEST(TurnoverExport, StopsAtTheFirstFailureAndKeepsWhatItWrote) {
  // A blank line after the last record gives a record without a row; the
  // error names the file and where the record begins.
  Fixture blank(kAccounts);
  blank.balance("a\r\n   010 \r\n311,\r\n\r\n");
  blank.income("g\r\n   020\r\n601,\r\n");
  EXPECT_EQ(blank.error(), "Definice rozvahy r.txt, záznam od řádku 4: „“ není číslo řádku listu.");
  EXPECT_EQ(blank.sheet.cell(2, 10, 7), "1500");
  EXPECT_EQ(blank.sheet.count("name 4"), 0);
  EXPECT_EQ(blank.progress.status, kExportWorking);

  Fixture amount(kAccounts);
  amount.ws.table.setCell(2, 2, "1 234,50");
  amount.balance("a\r\n   010 \r\n391,\r\nb\r\n   011 \r\n311,\r\n");
  EXPECT_EQ(amount.error(), "Částka „1 234,50“ účtu 3112 není platné číslo.");
  EXPECT_EQ(amount.sheet.count("number"), 1);

  Fixture notADefinition(kAccounts);
  notADefinition.balance("a\r\n   010 \r\n311,\r\n");
  notADefinition.income("[Nastaveni]\r\nabcdef=1\r\n");
  EXPECT_EQ(notADefinition.error(), "Definice výsledovky v.txt, záznam od řádku 1: „def“ není číslo řádku listu.");

  Fixture noIncome(kAccounts);
  noIncome.balance("a\r\n   010 \r\n311,\r\n");
  EXPECT_EQ(noIncome.error(), kIncomeDefinitionMissing);
  EXPECT_EQ(noIncome.sheet.cell(2, 10, 7), "1500");

  Fixture noBalance(kAccounts);
  EXPECT_EQ(noBalance.error(), kBalanceDefinitionMissing);
  EXPECT_EQ(noBalance.sheet.count("number"), 0);

  Fixture period(kAccounts);
  period.ws.params.Edit1 = "první";
  period.balance("a\r\n   010 \r\n311,\r\n");
  EXPECT_EQ(period.error(), kPeriodRangeMessage);
  EXPECT_EQ(period.sheet.count("number"), 0);
}

TEST(TurnoverExport, RowTextIsTakenAsTheSpreadsheetTakesIt) {
  EXPECT_EQ(spreadsheetRow("012"), 12);
  EXPECT_EQ(spreadsheetRow(" 12"), 12);
  EXPECT_EQ(spreadsheetRow("7  "), 7);
  EXPECT_THAT([&] { spreadsheetRow("   "); }, ThrowsMessage<Error>(StrEq("„   “ není číslo řádku listu.")));
  EXPECT_THAT([&] { spreadsheetRow("1a"); }, ThrowsMessage<Error>(StrEq("„1a“ není číslo řádku listu.")));
  EXPECT_THAT([&] { spreadsheetRow("-12"); }, ThrowsMessage<Error>(StrEq("„-12“ není číslo řádku listu.")));
  EXPECT_THAT([&] { spreadsheetRow("000"); }, ThrowsMessage<Error>(StrEq("„000“ není číslo řádku listu.")));
}

TEST(TurnoverExport, ReportsProgressPerEntry) {
  Fixture f(kAccounts);
  f.balance("a\r\n   010 \r\n311,312,\r\nb\r\n   011 \r\n\r\n");
  f.income("g\r\n   020\r\n601,\r\n");
  f.run();
  const std::vector<std::string> expected = {"rozvaha 0", "výsledovka 0", "rozvaha max 250", "výsledovka max 90",
                                             "rozvaha 1", "rozvaha 2",    "výsledovka 1"};
  EXPECT_EQ(f.progress.events, expected);
}

}  // namespace kalkora
