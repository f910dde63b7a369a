#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <cmath>
#include <cstdlib>
#include <future>
#include <optional>
#include <filesystem>
#include <regex>

#include "cli_process.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "testing/xlsx_test_support.h"
#include "xlsx/xlsx_spreadsheet.h"

namespace kalkora::e2e {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

// One LibreOffice for the whole program: it converts the example workbook and
// reads the results back, while every kalkora-cli run starts its own.
class LibreOfficeEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    try {
      office = startLibreOffice();
    } catch (const Error& e) {
      skipReason = e.what();
    }
  }
  void TearDown() override { office.reset(); }

  static inline std::shared_ptr<LibreOffice> office;
  static inline std::string skipReason;
};
[[maybe_unused]] const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new LibreOfficeEnvironment);

#define SKIP_WITHOUT_LIBREOFFICE()                                                               \
  if (!LibreOfficeEnvironment::office)                                                           \
  GTEST_SKIP() << "LibreOffice neběží, test se přeskakuje: " << LibreOfficeEnvironment::skipReason

std::vector<std::string> exampleExport(const std::string& workbook) {
  const std::string examples = KALKORA_EXAMPLES_DIR;
  return {"--mode", "1", "--source", examples + "/obraty.csv", "--set", "Ucet=1", "--set", "Castka=3", "--set",
          "PrvniRadek=2", "--balance-def", examples + "/list_rozvaha.txt", "--income-def",
          examples + "/list_vysledovka.txt", "--workbook", workbook, "--period", "1"};
}

CliResult runExport(const std::string& workbook, std::vector<std::string> more) {
  std::vector<std::string> args = exampleExport(workbook);
  args.insert(args.end(), more.begin(), more.end());
  return runKalkoraCli(args);
}

// Compares the marking column and period 1 of both statement sheets with
// what the file backend wrote into the .xlsx: every cell that holds a value
// there (the file backend drops the cached results of formulas, so those
// stay out) must read the same from LibreOffice.
void expectSameCells(const std::string& reference, const std::string& result) {
  DiskFileSystem fs;
  XlsxSpreadsheet expected(fs, Regional{});
  expected.open(reference);
  const auto actual = LibreOfficeEnvironment::office->spreadsheet(Regional{});
  actual->open(result);
  int compared = 0;
  for (int sheet : {2, 3})
    for (int row = 1; row <= 300; ++row)
      for (int column : {6, 7}) {
        const std::string value = expected.readCell(sheet, row, column);
        if (value.empty()) continue;
        const std::string got = actual->readCell(sheet, row, column);
        const auto gotNumber = parseNumber(got, U','), number = parseNumber(value, U',');
        // LibreOffice stores .ods and .xlsx numbers with 15 significant
        // digits (the open document holds them exactly, see below).
        if (gotNumber && number)
          EXPECT_NEAR(*gotNumber, *number, std::abs(*number) * 1e-14)
              << result << ", list " << sheet << ", řádek " << row << ", sloupec " << column;
        else
          EXPECT_EQ(got, value) << result << ", list " << sheet << ", řádek " << row << ", sloupec " << column;
        ++compared;
      }
  EXPECT_GT(compared, 60) << result;
  actual->close();
}

std::string head(const std::string& bytes, size_t offset, size_t length) { return bytes.substr(offset, length); }

}  // namespace

// The example export through LibreOffice into .xls (in place, with a
// backup), .ods and .xlsx (to --output): each keeps its format and holds the
// same cells as the file backend's .xlsx.
TEST(LibreOfficeEndToEnd, CliFillsXlsOdsAndXlsxLikeTheFileBackend) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string example = KALKORA_EXAMPLE_WORKBOOK;
  {
    const auto converter = LibreOfficeEnvironment::office->spreadsheet(Regional{});
    converter->open(example);
    converter->storeTo(dir.file("kalkora.xls"));
    converter->storeTo(dir.file("kalkora.ods"));
    converter->close();
  }
  const std::string xlsBefore = dir.read("kalkora.xls"), odsBefore = dir.read("kalkora.ods");

  const CliResult reference = runExport(example, {"--output", dir.file("reference.xlsx")});
  ASSERT_EQ(reference.exitCode, 0) << reference.err;
  const CliResult xls = runExport(dir.file("kalkora.xls"), {});
  ASSERT_EQ(xls.exitCode, 0) << xls.err;
  // The one line says where the workbook as it was stays.
  const std::regex kept("Předchozí verze sešitu zůstane uložena jako .*/(kalkora\\.\\d{4}-\\d\\d-\\d\\d_\\d{4}\\.bak\\.xls) "
                        "\\(ponechává se 10 nejnovějších záloh\\)\\.\n");
  std::smatch backup;
  ASSERT_TRUE(std::regex_match(xls.err, backup, kept)) << xls.err;
  const CliResult ods = runExport(dir.file("kalkora.ods"), {"--output", dir.file("vysledek.ods")});
  ASSERT_EQ(ods.exitCode, 0) << ods.err;
  const CliResult xlsx = runExport(example, {"--backend", "libreoffice", "--output", dir.file("vysledek.xlsx")});
  ASSERT_EQ(xlsx.exitCode, 0) << xlsx.err;

  EXPECT_TRUE(dir.read(backup[1]) == xlsBefore);
  EXPECT_TRUE(dir.read("kalkora.ods") == odsBefore);
  EXPECT_EQ(head(dir.read("kalkora.xls"), 0, 4), "\xD0\xCF\x11\xE0");  // Excel 97: an OLE2 compound file
  const std::string odsMimetype = "mimetypeapplication/vnd.oasis.opendocument.spreadsheet";
  EXPECT_EQ(head(dir.read("vysledek.ods"), 30, odsMimetype.size()), odsMimetype);
  EXPECT_EQ(head(dir.read("vysledek.xlsx"), 0, 2), "PK");
  for (const char* result : {"kalkora.xls", "vysledek.ods", "vysledek.xlsx"})
    expectSameCells(dir.file("reference.xlsx"), dir.file(result));
}

// A statement export reads the marking column back through LibreOffice
// before it writes: into an .ods it gives the file backend's cells too.
TEST(LibreOfficeEndToEnd, StatementExportIntoOdsLikeTheFileBackend) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string examples = KALKORA_EXAMPLES_DIR;
  const std::string workbook =
      std::filesystem::path(KALKORA_EXAMPLE_WORKBOOK).parent_path().string() + "/kalkora_vykazy.xlsx";
  {
    const auto converter = LibreOfficeEnvironment::office->spreadsheet(Regional{});
    converter->open(workbook);
    converter->storeTo(dir.file("vykazy.ods"));
    converter->close();
  }
  const auto statementExport = [&](const std::string& from, const std::string& to) {
    return runKalkoraCli({"--mode", "5", "--source", examples + "/dppdp9.xml", "--form", "DPPDP9", "--clear-period",
                          "--workbook", from, "--period", "1", "--output", to});
  };
  const CliResult reference = statementExport(workbook, dir.file("reference.xlsx"));
  ASSERT_EQ(reference.exitCode, 0) << reference.err;
  const CliResult ods = statementExport(dir.file("vykazy.ods"), dir.file("vysledek.ods"));
  ASSERT_EQ(ods.exitCode, 0) << ods.err;
  expectSameCells(dir.file("reference.xlsx"), dir.file("vysledek.ods"));
}

// The open document keeps a written number exactly, the text "0" becomes
// the number 0, and a cell reads back as the exports read it.
TEST(LibreOfficeEndToEnd, CellsReadBackAsWritten) {
  SKIP_WITHOUT_LIBREOFFICE();
  const auto spreadsheet = LibreOfficeEnvironment::office->spreadsheet(Regional{});
  spreadsheet->open(KALKORA_EXAMPLE_WORKBOOK);
  spreadsheet->writeNumber(2, 23, 7, 317800.7999999998);
  spreadsheet->writeNumber(2, 24, 7, -12);
  spreadsheet->writeZeroText(2, 25, 7);
  EXPECT_EQ(spreadsheet->readCell(2, 23, 7), "317800,7999999998");
  EXPECT_EQ(spreadsheet->readCell(2, 24, 7), "-12");
  EXPECT_EQ(spreadsheet->readCell(2, 25, 7), "0");
  EXPECT_EQ(spreadsheet->readCell(2, 13, 6), "046");  // a text that looks like a number stays text
  EXPECT_EQ(spreadsheet->readCell(2, 13, 9), "");
  EXPECT_EQ(spreadsheet->sheetName(2), "Rozvahy netto");
  EXPECT_THAT([&] { spreadsheet->sheetName(9); }, ThrowsMessage<Error>(HasSubstr(" nemá list č. 9 (listů je ")));
  spreadsheet->close();
}

// The window program's way: the first export leaves the document open and
// unsaved, the second finds it open and writes its period beside the first.
TEST(LibreOfficeEndToEnd, ASecondExportWritesIntoTheDocumentLeftOpen) {
  SKIP_WITHOUT_LIBREOFFICE();
  LibreOffice& office = *LibreOfficeEnvironment::office;
  const auto first = office.spreadsheet(Regional{}, DocumentEnd::LeaveOpen);
  first->open(KALKORA_EXAMPLE_WORKBOOK);
  first->writeNumber(2, 30, 7, 111);
  first->close();
  const auto second = office.spreadsheet(Regional{}, DocumentEnd::LeaveOpen);
  second->open(KALKORA_EXAMPLE_WORKBOOK);
  EXPECT_EQ(second->readCell(2, 30, 7), "111");
  second->writeNumber(2, 30, 8, 222);
  second->close();

  const auto last = office.spreadsheet(Regional{});
  last->open(KALKORA_EXAMPLE_WORKBOOK);
  EXPECT_EQ(last->readCell(2, 30, 8), "222");
  last->close();  // now closed unsaved: the file never had either number
  const auto fresh = office.spreadsheet(Regional{});
  fresh->open(KALKORA_EXAMPLE_WORKBOOK);
  EXPECT_NE(fresh->readCell(2, 30, 7), "111");
  fresh->close();
}

// A file that is no workbook: a Czech message, exit code 1, the file as it
// was and no backup beside it.
TEST(LibreOfficeEndToEnd, DamagedWorkbookIsReportedAndLeftAlone) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string damaged = std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + std::string(600, '\x07');
  dir.write("poskozeny.xls", damaged);
  const CliResult r = runExport(dir.file("poskozeny.xls"), {});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_NE(r.err.find("poskozeny.xls"), std::string::npos) << r.err;
  EXPECT_TRUE(dir.read("poskozeny.xls") == damaged);
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(dir.file("poskozeny.xls")).parent_path()))
    EXPECT_EQ(entry.path().filename().string().find(".bak."), std::string::npos) << entry.path();
}

// Cells go to LibreOffice in batches: a read gives what the writes left
// (a formula's new value once calculation is automatic, its error text
// too), a written run keeps the comments and hidden rows it crosses, and a
// cell LibreOffice refuses is reported by the call that names it.
TEST(LibreOfficeEndToEnd, BatchedCellsReadFreshAndKeepTheirNeighbours) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string path = dir.file("bunky.xlsx");
  lxw_workbook* workbook = workbook_new(path.c_str());
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "List");
  worksheet_write_formula_num(sheet, 0, 5, "=1/G5", nullptr, 0);
  worksheet_write_formula_num(sheet, 1, 5, "=IF(G5=0,\"nula\",G5)", nullptr, 0);
  worksheet_write_formula_num(sheet, 2, 5, "=G1*2", nullptr, 0);
  worksheet_write_comment(sheet, 1, 6, "Poznámka k buňce");
  lxw_row_col_options hidden = {1, 0, 0};
  worksheet_set_row_opt(sheet, 2, LXW_DEF_ROW_HEIGHT, nullptr, &hidden);
  worksheet_write_string(sheet, 3, 6, "text", nullptr);
  ASSERT_EQ(workbook_close(workbook), LXW_NO_ERROR);

  const auto spreadsheet = LibreOfficeEnvironment::office->spreadsheet(Regional{});
  spreadsheet->open(path);
  spreadsheet->setCalculation(Spreadsheet::Calculation::Manual);
  EXPECT_EQ(spreadsheet->readCell(1, 3, 6), "0");
  spreadsheet->writeNumber(1, 6, 6, 5);
  for (int row : {1, 2, 3, 5}) spreadsheet->writeNumber(1, row, 7, row == 5 ? 0 : row);
  EXPECT_EQ(spreadsheet->readCell(1, 4, 7), "text");
  EXPECT_EQ(spreadsheet->readCell(1, 6, 6), "5");
  spreadsheet->setCalculation(Spreadsheet::Calculation::Automatic);
  EXPECT_EQ(spreadsheet->readCell(1, 1, 6), "#DIV/0!");
  EXPECT_EQ(spreadsheet->readCell(1, 2, 6), "nula");
  EXPECT_EQ(spreadsheet->readCell(1, 3, 6), "2");
  for (int row : {1, 2, 3}) EXPECT_EQ(spreadsheet->readCell(1, row, 7), std::to_string(row));
  // Past the sheet's end a write fails at once, not later with the batch.
  EXPECT_THAT([&] { spreadsheet->writeNumber(1, 1, 20000, 1); },
              ThrowsMessage<Error>(HasSubstr("nezapsal buňku na řádku 1 a ve sloupci 20000")));
  EXPECT_THAT([&] { spreadsheet->readCell(1, 1, 20000); },
              ThrowsMessage<Error>(HasSubstr("nepřečetl buňku na řádku 1 a ve sloupci 20000")));
  spreadsheet->storeTo(dir.file("bunky.ods"));
  spreadsheet->close();
  EXPECT_NE(xlsx_test::PackageView(dir.read("bunky.ods")).part("content.xml").find("Poznámka k buňce"),
            std::string::npos);
}

// A headless LibreOffice starts on a copy of a profile template kept in
// the cache folder: two runs at once that both find none agree on one, it
// carries our settings (made under a folder name with a space and accents),
// and a damaged one is made anew.
TEST(LibreOfficeEndToEnd, RunsShareOneProfileTemplateAndRemakeADamagedOne) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  // kalkora-cli inherits the cache folder; ours comes back at the end.
  struct CacheFolder {
    std::optional<std::string> previous;
    explicit CacheFolder(const std::string& folder) {
      if (const char* p = getenv("XDG_CACHE_HOME")) previous = p;
      setenv("XDG_CACHE_HOME", folder.c_str(), 1);
    }
    ~CacheFolder() { previous ? setenv("XDG_CACHE_HOME", previous->c_str(), 1) : unsetenv("XDG_CACHE_HOME"); }
  } cache(dir.file("mezipaměť uživatele"));
  const auto exportTo = [&](const std::string& output) {
    return runExport(KALKORA_EXAMPLE_WORKBOOK, {"--backend", "libreoffice", "--output", dir.file(output)});
  };
  auto first = std::async(std::launch::async, exportTo, "prvni.xlsx");
  const CliResult second = exportTo("druhy.xlsx");
  EXPECT_EQ(first.get().exitCode, 0);
  EXPECT_EQ(second.exitCode, 0) << second.err;
  std::vector<std::filesystem::path> templates;
  for (const auto& entry : std::filesystem::directory_iterator(dir.file("mezipaměť uživatele/kalkora-import")))
    templates.push_back(entry.path());
  ASSERT_EQ(templates.size(), 1u);
  const std::string settings = (templates[0] / "user" / "registrymodifications.xcu").string();
  const std::string whole = xlsx_test::readBytes(settings);
  EXPECT_THAT(whole, HasSubstr("UseDocumentOOoLockFile"));
  EXPECT_THAT(whole, HasSubstr("ooSetupLastVersion"));

  xlsx_test::writeBytes(settings, whole.substr(0, whole.size() / 2));
  EXPECT_EQ(exportTo("treti.xlsx").exitCode, 0);
  EXPECT_TRUE(xlsx_test::readBytes(settings) == whole);
}

}  // namespace kalkora::e2e
