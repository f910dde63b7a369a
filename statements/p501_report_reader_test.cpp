#include "statements/p501_report_reader.h"

#include <gmock/gmock.h>

#include "model/source_file.h"
#include "testing/reader_fixture.h"
#include "statements/p501_targets.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// The markings of the SBS3/SBS4 income statement in the order of its lines
// 7 to 62.
const std::vector<std::string> kSmallestIncomeMarkings = {
    "I.",     "II.",    "A.",     "A.1.",   "A.2.", "A.3.",   "B.",   "C.",     "D.",     "D.1.",   "D.2.", "D.2.1.",
    "D.2.2.", "E.",     "E.1.",   "E.1.1.", "E.1.2.", "E.2.", "E.3.", "III.",   "III.1.", "III.2.", "III.3.", "F.",
    "F.1.",   "F.2.",   "F.3.",   "F.4.",   "F.5.",   "*",    "IV.",  "IV.1.",  "IV.2.",  "G.",     "V.",   "V.1.",
    "V.2.",   "H.",     "VI.",    "VI.1.",  "VI.2.",  "I.",   "J.",   "J.1.",   "J.2.",   "VII.",   "K.",   "*",
    "**",     "L.",     "L.1.",   "L.2.",   "**",     "M.",   "***",  "*"};

struct P501Load : ReaderTest {
  void SetUp() override {
    // Text in column 1, marking in column 2, amount in column 4.
    ws.params.Edit43 = "4";
    ws.params.Edit44 = "1";
    ws.params.Edit45 = "2";
    ws.params.Edit46 = ws.params.Edit47 = "1";
    ws.params.Edit31 = "";
  }
  void load(int type, const std::string& content) {
    ws.params.RadioGroup2 = type;
    source("p5-01.csv", content);
    NaplnitvykazySBS(ws, services);
  }
};

std::string header() { return "Název ukazatele;Označení;Číslo řádku;Běžné období;\r\n;a;b;1;\r\n"; }

}  // namespace

// The whole table is walked by the income-statement load below; these are
// the markings it does not tell apart by text alone.
TEST(P501Targets, RepeatedAndUnknownMarkings) {
  P501MarkingLines lines;
  EXPECT_EQ(lines.lineFor("I.", 1), "7");
  EXPECT_EQ(lines.lineFor("I.", 10), "0");  // neither below nor above 10
  EXPECT_EQ(lines.lineFor("I.", 42), "48");
  const Cells stars = {lines.lineFor("*", 30), lines.lineFor("**", 31), lines.lineFor("*", 32),
                       lines.lineFor("**", 33), lines.lineFor("*", 34), lines.lineFor("*", 35),
                       lines.lineFor("**", 36), lines.lineFor("***", 37)};
  EXPECT_EQ(stars, (Cells{"36", "55", "54", "59", "62", "0", "0", "61"}));
  EXPECT_EQ(lines.lineFor("X.", 3), "0");
  EXPECT_EQ(lines.lineFor("a.1.", 3), "0");  // exact text only
  EXPECT_EQ(p501AssetsLine(20), "0");
  EXPECT_EQ(p501AssetsLine(40), "0");
}

TEST_F(P501Load, SmallestIncomeStatementGetsLinesByMarking) {
  std::string file = header();
  for (size_t i = 0; i < kSmallestIncomeMarkings.size(); ++i)
    file += "Ukazatel " + std::to_string(i) + ";" + kSmallestIncomeMarkings[i] + ";" + std::to_string(i + 1) + ";" +
            std::to_string((i + 1) * 100) + ";\r\n";
  ws.params.Edit46 = "3";
  load(2, file);
  EXPECT_EQ(ws.mode, ImportMode::P501Report);
  ASSERT_EQ(ws.table.rowCount(), 57);
  EXPECT_EQ(ws.table.cell(0, 0), " č.ř.");
  EXPECT_EQ(ws.table.cell(1, 0), " Text výkazu");
  EXPECT_EQ(ws.table.cell(2, 0), " Označení");
  EXPECT_EQ(ws.table.cell(3, 0), " Částka");
  EXPECT_EQ(ws.columnWidths, (std::array<int, 4>{30, 280, 70, 100}));
  EXPECT_EQ(row(4, 0, 3), (Cells{"10", "Ukazatel 3", "A.1.", "400"}));
  for (int r = 1; r <= 56; ++r) ASSERT_EQ(ws.table.cell(0, r), std::to_string(r + 6)) << r;
}

TEST_F(P501Load, AssetsModuleGetsFixedLinesByRow) {
  std::string file = header();
  for (int i = 1; i <= 19; ++i) file += "Aktiva " + std::to_string(i) + ";" + std::to_string(i) + ";x;5;\r\n";
  ws.params.Edit46 = "99";  // the income statement's first row plays no part
  ws.params.Edit47 = "3";
  load(3, file);
  ASSERT_EQ(ws.table.rowCount(), 20);
  Cells column0;
  for (int r = 1; r <= 19; ++r) column0.push_back(ws.table.cell(0, r));
  EXPECT_EQ(column0, (Cells{"7", "8", "9", "10", "17", "20", "0", "30", "32", "33", "43", "44", "51", "52", "63", "80",
                            "74", "77", "80"}));
}

// Every row gets a target, "0" where the type has none, so that targets an
// earlier load left in column 0 are not exported with these amounts.
TEST_F(P501Load, TypesWithoutTargetsWriteZero) {
  std::string file;
  for (int i = 1; i <= 45; ++i) file += "Řádek;" + std::to_string(i) + ";x;" + std::to_string(i) + ";\n";
  ws.params.Edit46 = ws.params.Edit47 = "5";
  load(3, file);
  EXPECT_EQ(ws.table.cell(0, 41), "0");  // past the assets table
  for (int type : {0, 1, 4}) {
    SCOPED_TRACE(type);
    for (int r = 1; r < ws.table.rowCount(); ++r) ws.table.setCell(0, r, "63");
    load(type, file);
    for (int r = 1; r < ws.table.rowCount(); ++r) ASSERT_EQ(ws.table.cell(0, r), "0") << r;
  }
  // Type 4 starts at the first line whatever the first-row boxes say.
  EXPECT_EQ(row(1), (Cells{"Řádek", "1", "1"}));
}

TEST_F(P501Load, FieldsAmountsAndRemovedRows) {
  ws.params.Edit31 = "0,001";
  ws.params.Edit43 = "3";
  load(0,
       "Tržby;A.;1500000;\r\n"
       "Výnosy celkem;;;\r\n"         // a heading line without marking goes
       "Náklady;B.;0,00;\r\n"         // zero rule
       "Odpisy;C.;12.3456;\r\n"       // no coefficient (not a number), decimal point rewritten
       "Daň;D.;900\r\n"               // the last field lacks its separator
       "\r\n"                         // no separator at all: dropped, not a copy
       "Zisk;E.;\"1 000\";\r\n");     // no quote or space removal here
  EXPECT_EQ(rows(1, 3), (Table{{"Tržby", "A.", "1500"},
                               {"Náklady", "B.", "0"},
                               {"Odpisy", "C.", "12,34"},
                               {"Daň", "D.", "0"},
                               {"Zisk", "E.", "\"1 000\""}}));
}

TEST_F(P501Load, FirstRowIsKeptAndZeroFirstRowsShowOne) {
  ws.params.Edit46 = "0";
  ws.params.Edit47 = "0";
  ws.params.Edit43 = "3";
  load(1, "Nadpis;;;\nTržby;A.;5;\n");
  EXPECT_EQ(rows(1, 3), (Table{{"Nadpis", "", "0"}, {"Tržby", "A.", "5"}}));
  EXPECT_EQ(ws.params.Edit46, "1");
  EXPECT_EQ(ws.params.Edit47, "1");
  load(1, "");
  EXPECT_EQ(ws.table.rowCount(), 1);
}

TEST_F(P501Load, RefusalsAndErrors) {
  source("p5-01.txt", "a;b;c;\n");
  ws.params.RadioGroup2 = -1;
  ws.table.setCell(1, 1, "předchozí");
  expectStopped(NaplnitvykazySBS, "Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte.");
  EXPECT_EQ(messages.shown,
            (std::vector<std::string>{"notice: Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně."}));
  EXPECT_EQ(ws.table.cell(1, 1), "předchozí");

  ws.params.RadioGroup2 = 2;
  ws.table.setCell(0, 0, "");
  fs.unreadable = "p5-01.txt";
  EXPECT_THAT([&] { NaplnitvykazySBS(ws, services); }, ThrowsMessage<Error>(StrEq("Soubor nelze otevřít: p5-01.txt.")));
  EXPECT_EQ(ws.table.cell(0, 0), "");  // the file is read before the table changes
  EXPECT_EQ(ws.table.cell(1, 1), "předchozí");
  EXPECT_FALSE(ws.columnWidths);
  fs.unreadable.clear();

  ws.params.Edit45 = "třetí";
  EXPECT_THAT([&] { NaplnitvykazySBS(ws, services); }, ThrowsMessage<Error>(StrEq("„třetí“ není platné celé číslo.")));
  ws.params.Edit3 = "chybi.csv";
  EXPECT_THAT([&] { NaplnitvykazySBS(ws, services); }, ThrowsMessage<Error>(StrEq(kSourceNotFound)));
  EXPECT_EQ(ws.mode, ImportMode::P501Report);
}

}  // namespace kalkora
