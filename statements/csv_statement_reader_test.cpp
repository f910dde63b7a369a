#include "statements/csv_statement_reader.h"

#include <gmock/gmock.h>

#include "model/source_file.h"
#include "testing/reader_fixture.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

struct CsvStatementLoad : ReaderTest {
  void SetUp() override {
    ws.params.Edit27 = "2";
    ws.params.Edit28 = ws.params.Edit29 = ws.params.Edit30 = "1";
    ws.params.Edit31 = "";
  }
  void load(int type, const std::string& content) {
    ws.params.RadioGroup1 = type;
    source("vykaz.csv", content);
    NaplnitCSVvykazy(ws, services);
  }
  // "Řádek n;<n>" for file lines 1..count.
  static std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "Řádek " + std::to_string(i) + ";" + std::to_string(i) + "\r\n";
    return text;
  }
};

}  // namespace

TEST_F(CsvStatementLoad, AssetsFromLineFiveGetLinesOneToSixtySix) {
  ws.params.Edit28 = "5";
  load(0, numberedLines(200));
  EXPECT_EQ(ws.mode, ImportMode::CsvStatement);
  EXPECT_EQ(ws.loadedCount, 200);
  ASSERT_EQ(ws.table.rowCount(), 67);
  EXPECT_EQ(ws.table.cell(1, 0), " Označení řádku");
  EXPECT_EQ(ws.table.cell(2, 0), " Částka");
  EXPECT_EQ(ws.table.cell(3, 0), " Součtový řádek");
  EXPECT_EQ(row(1), (Cells{"1", "5", "suma"}));
  EXPECT_EQ(row(2), (Cells{"2", "6", ""}));
  EXPECT_EQ(row(66), (Cells{"66", "70", ""}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CsvStatementLoad, EveryTypeNumbersItsRangeAndMarksItsSumLines) {
  struct Expected {
    int first, last;
    std::vector<int> sums;
  };
  const Expected expected[] = {
      {1, 66, {1, 3, 4, 13, 23, 31, 32, 39, 48, 58, 63}},
      {67, 124, {67, 68, 69, 73, 80, 83, 87, 89, 90, 95, 106, 118, 122}},
      {1, 61, {3, 4, 8, 11, 12, 19, 22, 30, 33, 48, 49, 52, 55, 58, 60, 61}},
      {1, 77, {1, 3, 4, 6, 11, 14, 15, 20, 24, 27, 34, 37, 38, 41, 46, 47, 52, 57, 61, 68, 71, 74}},
      {78, 143, {78, 79, 80, 84, 86, 92, 95, 101, 102, 107, 108, 109, 119, 123, 124, 133, 141}},
      {1, 56, {3, 9, 11, 14, 15, 20, 24, 30, 31, 35, 39, 43, 48, 49, 50, 53, 55, 56}},
      {1, 78, {1, 2, 3, 11, 21, 33, 34, 41, 42, 53, 54, 66, 71, 74}},
      {79, 145, {79, 80, 81, 87, 90, 93, 97, 100, 101, 102, 103, 118, 122, 123, 136, 141}},
      {1, 61, {2, 10, 15, 21, 27, 28, 29, 31, 35, 39, 45, 49, 55, 56, 57, 61}},
  };
  for (int type = 0; type < 9; ++type) {
    SCOPED_TRACE(type);
    load(type, numberedLines(150));
    const Expected& e = expected[type];
    ASSERT_EQ(ws.table.rowCount(), e.last - e.first + 2);
    std::vector<int> sums;
    for (int r = 1; r < ws.table.rowCount(); ++r) {
      EXPECT_EQ(ws.table.cell(1, r), std::to_string(e.first + r - 1));
      if (ws.table.cell(3, r) == "suma") sums.push_back(e.first + r - 1);
    }
    EXPECT_EQ(sums, e.sums);
  }
}

TEST_F(CsvStatementLoad, AmountNormalisation) {
  services.regional.thousandsSeparator = U' ';
  load(5,
       "x;\"1 234,50\"\r\n"  // quotes and digit groups go
       "x;0,00\r\nx;0.0\r\nx;\r\n"
       "x;12.345\r\n"      // the decimal point becomes a comma, two decimals kept
       "x;100 Kč\r\n"      // letters empty the amount
       "x\r\n"             // no separator
       "jen;jeden\r\n"     // the amount column is text
       "x;-5,5;navíc\r\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "1234,50"},
                               {"2", "0"},
                               {"3", "0"},
                               {"4", "0"},
                               {"5", "12,34"},
                               {"6", "0"},
                               {"7", "0"},
                               {"8", "0"},
                               {"9", "-5,5"}}));
}

TEST_F(CsvStatementLoad, CoefficientRoundsToWholeUnits) {
  ws.params.Edit31 = "0,001";
  load(2, "a;123456,7\nb;-1500\nc;10.6\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "123"}, {"2", "-2"}, {"3", "10,6"}}));
  ws.params.Edit31 = "1";
  load(2, "a;10,6\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "11"}}));
}

TEST_F(CsvStatementLoad, SeparatorAndAmountColumn) {
  ws.params.Edit26 = ",";
  ws.params.Edit27 = "3";
  load(8, "A.,Tržby,250\nB.,Náklady,125,\nC.,bez částky\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "250"}, {"2", "125"}, {"3", "0"}}));
  ws.params.Edit27 = "0";
  load(8, "A.,Tržby,250\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "0"}}));
}

TEST_F(CsvStatementLoad, FirstRowZeroStartsAtTheFirstLineAndShowsOne) {
  ws.params.Edit28 = ws.params.Edit29 = ws.params.Edit30 = "0";
  load(1, "a;7\nb;8\n");
  EXPECT_EQ(rows(1, 2), (Table{{"67", "7"}, {"68", "8"}}));
  EXPECT_EQ(ws.params.Edit28, "1");
  EXPECT_EQ(ws.params.Edit29, "1");
  EXPECT_EQ(ws.params.Edit30, "1");
  ws.params.Edit29 = "druhý";  // not a number: nothing skipped, no message
  load(1, "a;7\n");
  EXPECT_EQ(rows(1, 2), (Table{{"67", "7"}}));
  EXPECT_TRUE(messages.shown.empty());
}

// A line without the separator, and each line read past the end of a file
// shorter than its layout, is stored with its number and "0" instead of the
// amount of the line before (which would be exported twice).
TEST_F(CsvStatementLoad, LinesWithoutSeparatorGetZeroNotThePreviousAmount) {
  ws.params.Edit31 = "1";
  load(3, "a;10,6\n\nb;20\n");
  EXPECT_EQ(rows(), (Table{{"1", "11", "suma"}, {"2", "0", ""}, {"3", "20", "suma"}}));
  ws.params.Edit30 = "3";
  load(5, "h\nh\na;1\nb;2\n");
  EXPECT_EQ(rows(1, 2), (Table{{"1", "1"}, {"2", "2"}, {"3", "0"}, {"4", "0"}}));
}

TEST_F(CsvStatementLoad, OldRowsBeyondTheFirstThousandAreCleared) {
  ws.table.setRowCount(1501);
  for (int r = 1; r <= 1500; ++r) ws.table.setCell(2, r, "stará");
  load(0, numberedLines(1500));
  EXPECT_EQ(ws.table.rowCount(), 67);
  for (int r = 1; r < ws.table.rowCount(); ++r) ASSERT_NE(ws.table.cell(2, r), "stará") << r;
}

TEST_F(CsvStatementLoad, EmptyAndLargeFiles) {
  ws.params.Edit28 = "0";
  load(0, "");
  EXPECT_EQ(ws.table.rowCount(), 1);
  EXPECT_EQ(ws.loadedCount, 0);
  EXPECT_EQ(ws.params.Edit28, "0");  // nothing read, nothing changed
  load(4, numberedLines(5000));
  EXPECT_EQ(ws.table.rowCount(), 67);
  EXPECT_EQ(ws.table.cell(1, 66), "143");
}

TEST_F(CsvStatementLoad, RefusalsAndErrors) {
  ws.table.setCell(1, 1, "předchozí");
  ws.params.Edit3 = "chybi.csv";
  ws.params.RadioGroup1 = 0;
  EXPECT_THAT([&] { NaplnitCSVvykazy(ws, services); }, ThrowsMessage<Error>(StrEq(kSourceNotFound)));
  EXPECT_EQ(ws.mode, ImportMode::CsvStatement);

  ws.params.RadioGroup1 = -1;
  source("vykaz.txt", "a;1\n");
  expectStopped(NaplnitCSVvykazy, "Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte.");
  EXPECT_EQ(messages.shown,
            (std::vector<std::string>{"notice: Není připojen soubor typu csv. Data pravděpodobně nebudou načtena správně."}));
  EXPECT_EQ(ws.table.cell(1, 1), "předchozí");

  // A file that cannot be read leaves the table as it was, header included.
  ws.params.RadioGroup1 = 0;
  ws.table.setCell(1, 0, " Číslo účtu");
  fs.unreadable = "vykaz.txt";
  EXPECT_THAT([&] { NaplnitCSVvykazy(ws, services); }, ThrowsMessage<Error>(StrEq("Soubor nelze otevřít: vykaz.txt.")));
  EXPECT_EQ(ws.table.cell(1, 0), " Číslo účtu");
  EXPECT_EQ(ws.table.cell(1, 1), "předchozí");
  fs.unreadable.clear();

  ws.params.Edit27 = "druhý";
  fs.files["vykaz.txt"] = "hlavička\nhlavička\na;1\n";
EXPECT_THAT([&] { NaplnitCSVvykazy(ws, services); }, ThrowsMessage<Error>(StrEq("„druhý“ není platné celé číslo.")));
  EXPECT_EQ(ws.table.cell(1, 1), "1");  // the lines before the failing one stay
  EXPECT_EQ(ws.table.cell(2, 2), "0");
  EXPECT_EQ(ws.table.cell(1, 3), "");
}

}  // namespace kalkora
