// The inputs that found faults, each checked for the answer it must get.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "app/settings.h"
#include "fuzz/fuzz_input.h"
#include "model/workspace.h"
#include "testing/memory_file_system.h"
#include "testing/recording_messages.h"
#include "testing/xlsx_test_support.h"
#include "turnovers/csv_turnover_reader.h"
#include "xlsx/xlsx_spreadsheet.h"
#include "xlsx/zip_package.h"

namespace kalkora::fuzz {
namespace {

std::string corpusFile(const std::string& name) {
  std::ifstream in(std::string(KALKORA_CORPUS_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

}  // namespace

// A forged compressed size is refused as the package opens, before anything
// of the size it claims is allocated; a file of no bytes is no package.
TEST(FuzzFindings, ImpossibleZipSizesAreADamagedWorkbook) {
  using xlsx_test::errorOf;
  EXPECT_EQ(errorOf([] { ZipPackage(corpusFile("xlsx_bytes/forged-compressed-size.xlsx"), "k.xlsx"); }),
            "Sešit k.xlsx je poškozený: část xl/workbook.xml nelze přečíst.");
  EXPECT_EQ(errorOf([] { ZipPackage(corpusFile("xlsx_bytes/empty.xlsx"), "k.xlsx"); }),
            "Soubor k.xlsx není platný sešit aplikace Excel (.xlsx, .xlsm) nebo je poškozený.");
}

// Two sheets whose relationships lead to one part would each write their own
// copy of it, the last one silently winning.
TEST(FuzzFindings, TwoSheetsOnOnePartAreRefusedBeforeAnythingIsWritten) {
  MemoryFileSystem fs;
  const std::string bytes = corpusFile("xlsx_bytes/two-sheets-one-part.xlsx");
  fs.files["k.xlsx"] = bytes;
  XlsxSpreadsheet workbook(fs, Regional{});
  EXPECT_EQ(xlsx_test::errorOf([&] {
              workbook.open("k.xlsx");
              workbook.writeNumber(2, 5, 7, 1);
              workbook.close();
            }),
            "Sešit k.xlsx je poškozený: list „Výsledovky“ odkazuje na část xl/worksheets/sheet2.xml, na kterou už "
            "odkazuje jiný list nebo jiná část sešitu.");
  EXPECT_TRUE(fs.files["k.xlsx"] == bytes);
  EXPECT_EQ(fs.files.size(), 1u);
}

// Left=$7fffffff with the default width: the right edge lies far beyond the
// screen, so the width is clipped to end there.
TEST(FuzzFindings, PlacementAtTheIntegerLimitIsClippedWithoutOverflow) {
  MemoryFileSystem fs;
  fs.files["k.ini"] = corpusFile("settings/placement-overflow.ini");
  SettingsFile settings("k.ini");
  Workspace ws;
  FormPlacement placement;
  settings.load(fs, ws, placement);
  EXPECT_EQ(clipToScreen(placement, {1920, 1040}), (FormPlacement{20, 2147483647, 800, 1920 - 2147483647, false}));
  EXPECT_EQ(clipToScreen({-2147483647 - 1, 20, 2147483647, 100, false}, {1920, -2147483647 - 1}).height, 0);
}

// A 70-digit amount times the coefficient 1 keeps all its digits.
TEST(FuzzFindings, WholeAmountsKeepEveryDigit) {
  const FuzzInput input = splitInput(corpusFile("csv_turnovers/amount-70-digits.csv"));
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;
  applyHeader(ws.params, input.header);
  ws.params.Edit3 = "obraty.csv";
  fs.files["obraty.csv"] = input.file;
  NaplnitCSVobraty(ws, services);
  ASSERT_EQ(ws.table.rowCount(), 2);
  EXPECT_EQ(ws.table.cell(1, 1), "311");
  EXPECT_EQ(ws.table.cell(2, 1).size(), 70u);
  EXPECT_EQ(ws.table.cell(2, 1).substr(0, 16), "1111111111111111");
}

}  // namespace kalkora::fuzz
