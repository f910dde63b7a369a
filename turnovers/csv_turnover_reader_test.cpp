#include "turnovers/csv_turnover_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/memory_file_system.h"
#include "platform/error.h"
#include "testing/recording_messages.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

struct CsvLoad : ::testing::Test {
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;

  void SetUp() override {
    ws.params.Edit3 = "obraty.csv";
    ws.params.Edit5 = "1";
    ws.params.Edit6 = "2";
    services.regional.thousandsSeparator = U'\u00A0';
  }
  void load(const std::string& content) {
    fs.files[ws.params.Edit3] = content;
    NaplnitCSVobraty(ws, services);
  }
  std::vector<std::pair<std::string, std::string>> rows() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (int r = 1; r < ws.table.rowCount(); ++r) out.emplace_back(ws.table.cell(1, r), ws.table.cell(2, r));
    return out;
  }
};

using Rows = std::vector<std::pair<std::string, std::string>>;

}  // namespace

TEST_F(CsvLoad, CleansAccountsAndAmounts) {
  load("311;1 234,50\r\n\"311.1\";\"-1,5\"\r\n501;12.345\r\n502;1\u00A0000\r\n");
  EXPECT_EQ(ws.mode, ImportMode::CsvTurnovers);
  EXPECT_EQ(ws.loadedCount, 4);
  EXPECT_EQ(ws.table.cell(1, 0), " Číslo účtu");
  EXPECT_EQ(ws.table.cell(2, 0), " Konečný stav");
  EXPECT_EQ(ws.table.cell(3, 0), " Podle definice bude exportován do");
  EXPECT_EQ(rows(), (Rows{{"311", "1234,50"}, {"3111", "-1,5"}, {"501", "12,34"}, {"502", "1000"}}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(CsvLoad, SecondAmountColumnIsOnlyAFallback) {
  ws.params.Edit15 = "3";
  load("1;0,00;500\n2;0,0;500\n3;+100;500\n4;+100;\n5;7;500\n");
  EXPECT_EQ(rows(), (Rows{{"1", "500"}, {"2", "0,0"}, {"3", "500"}, {"4", "0"}, {"5", "7"}}));
}

// Closing balances as a debit and a credit column ("KS MD", "KS D"): each
// column is cleaned as an amount, an empty one counts as 0.
TEST_F(CsvLoad, DebitMinusCreditGivesTheSignedBalance) {
  ws.params.Edit15 = "3";
  ws.params.CheckBox17 = true;
  const std::string lines =
      "311;1 500,50;\n321;;\"2\u00A0000\"\n331;\"1 000\";250,25\n341;0,00;500\n351;12.345;2.3\n"
      "361;1234,56;0,01\n371;100 Kč;5\n381;;\n391;7;1/2\n";
  load(lines);
  EXPECT_EQ(rows(), (Rows{{"311", "1500,5"}, {"321", "-2000"}, {"331", "749,75"}, {"341", "-500"},
                          {"351", "10,04"}, {"361", "1234,55"}, {"371", "-5"}, {"381", "0"}, {"391", "1/2"}}));
  ws.params.Edit8 = "0,001";
  load("311;1 500 000;250 400,20\n");
  EXPECT_EQ(rows(), (Rows{{"311", "1250"}}));
  // Without a second column the first one stands alone.
  ws.params.Edit8.clear();
  ws.params.Edit15 = "0";
  load("311;-40;900\n");
  EXPECT_EQ(rows(), (Rows{{"311", "-40"}}));
}

TEST_F(CsvLoad, CoefficientRoundsAfterTheDecimalPointRewrite) {
  ws.params.Edit8 = "0,1";
  load("501;12.345\n502;25\n503;abc\n");
  EXPECT_EQ(rows(), (Rows{{"501", "1"}, {"502", "3"}, {"503", "0"}}));
}

TEST_F(CsvLoad, FirstRowLeadingZeroAndCleanUp) {
  ws.params.Edit7 = "3";
  ws.params.Edit9 = "6";
  load("h1\nh2\n21;1\n12345;2\n0;3\nbez oddelovace\n9;4\n");
  EXPECT_EQ(ws.loadedCount, 7);
  // The leading zero comes before the "0" test, so "0" stays as "00".
  EXPECT_EQ(rows(), (Rows{{"021", "1"}, {"012345", "2"}, {"00", "3"}, {"09", "4"}}));
}

TEST_F(CsvLoad, FirstRowZeroBecomesOneAndAHeaderLineStaysAsEmptyFirstRow) {
  ws.params.Edit7 = "0";
  load("Účet;Částka\n311;5\n");
  EXPECT_EQ(ws.params.Edit7, "1");
  EXPECT_EQ(rows(), (Rows{{"", "0"}, {"311", "5"}}));
}

TEST_F(CsvLoad, CommaSeparatorAndLastColumn) {
  ws.params.Edit2 = ",";
  load("311,250\n");
  EXPECT_EQ(rows(), (Rows{{"311", "250"}}));
}

TEST_F(CsvLoad, AccountCleaningRemovesTenOfEachCharacterAndLeavesSurplus) {
  EXPECT_EQ(cleanAccount("\"311-1 2\"", 0), "31112");
  EXPECT_EQ(cleanAccount("3a1b1", 0), "311");
  EXPECT_EQ(cleanAccount("0", 0), "");
  EXPECT_EQ(cleanAccount("1234", 6), "01234");
  EXPECT_EQ(cleanAccount("123456", 6), "123456");
  EXPECT_EQ(cleanAccount("1xxxxxxxxxxxx", 0), "1xx");
  // A row whose account keeps a letter is dropped by the clean-up.
  load("1xxxxxxxxxxxx;5\n311;6\n");
  EXPECT_EQ(rows(), (Rows{{"311", "6"}}));
}

TEST_F(CsvLoad, WarningsAndErrors) {
  ws.params.Edit3 = "obraty.txt";
  load("311;1\n");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0], std::string("notice: ") + kNotCsvWarning);
  EXPECT_EQ(rows(), (Rows{{"311", "1"}}));

  ws.params.Edit3 = "chybi.csv";
  try {
    NaplnitCSVobraty(ws, services);
    FAIL();
  } catch (const Error& e) {
    EXPECT_STREQ(e.what(), kSourceNotFound);
  }
  EXPECT_EQ(rows(), (Rows{{"311", "1"}}));  // table unchanged

  ws.params.Edit3 = "x.csv";
  ws.params.Edit5 = "a";
  EXPECT_THAT([&] { load("311;1\n"); }, ThrowsMessage<Error>(StrEq("„a“ není platné celé číslo.")));
}

TEST_F(CsvLoad, EmptyFileAndFileWithoutSeparators) {
  load("");
  EXPECT_EQ(ws.table.rowCount(), 1);
  load("abc\ndef\nghi\n");
  EXPECT_EQ(rows(), (Rows{{"", ""}}));
  ws.params.Edit6 = "99";
  load("311;5\n");
  EXPECT_EQ(rows(), (Rows{{"311", "0"}}));
}

TEST_F(CsvLoad, Windows1250SourceAndOverlongLines) {
  std::string grouped;  // 10 MB of digits, each followed by a thousands separator
  for (int i = 0; i < 5 * 1024 * 1024; ++i) grouped += "1\xA0";
  load(std::string("311;1\xA0") + "234\r\n" + std::string(10 * 1024 * 1024, '9') + "\r\n502;" + grouped + "\r\n");
  EXPECT_EQ(ws.table.cell(2, 1), "1234");
  ASSERT_EQ(ws.table.rowCount(), 3);  // the first 10 MB line has no separator
  EXPECT_EQ(ws.table.cell(2, 2), std::string(5 * 1024 * 1024, '1'));
}

}  // namespace kalkora
