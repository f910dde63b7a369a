#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <future>
#include <optional>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <sstream>

#include "libreoffice/libreoffice_file_session.h"
#include "app/spreadsheet_backend.h"
#include "cli/cli_options.h"
#include "cli/cli_run.h"
#include "cli_process.h"
#include "libreoffice/libreoffice.h"
#include "libreoffice_fixtures.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "testing/logging_spreadsheet.h"
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

// The workbook converted by LibreOffice into each target's format.
void convert(const std::string& workbook, const std::vector<std::string>& targets) {
  const auto converter = LibreOfficeEnvironment::office->spreadsheet(Regional{});
  converter->open(workbook);
  for (const std::string& target : targets) converter->storeTo(target);
  converter->close();
}

std::string head(const std::string& bytes, size_t offset, size_t length) { return bytes.substr(offset, length); }

std::string statementWorkbook() {
  return std::filesystem::path(KALKORA_EXAMPLE_WORKBOOK).parent_path().string() + "/kalkora_vykazy.xlsx";
}

std::vector<std::string> statementExport(const std::string& workbook) {
  const std::string examples = KALKORA_EXAMPLES_DIR;
  return {"--mode", "5", "--source", examples + "/dppdp9.xml", "--form", "DPPDP9", "--clear-period",
          "--workbook", workbook, "--period", "1"};
}

// kalkora-cli's run in this process, through the LibreOffice the tests share
// (or the file backend), every call on the spreadsheet logged.
struct InProcessRun {
  int exitCode = -1;
  std::string err;
  std::vector<std::string> calls;
};

InProcessRun runInProcess(const std::vector<std::string>& args, Backend backend) {
  std::string error;
  const auto options = parseCliOptions(args, error);
  if (!options) throw Error(error);
  DiskFileSystem fs;
  std::ostringstream out, err;
  InProcessRun run;
  run.exitCode = runCli(*options, fs, out, err,
                        [&](FileSystem& files, const Regional& regional, const std::optional<std::string>& output) {
                          return std::make_unique<LoggingSpreadsheet>(
                              backend == Backend::File
                                  ? makeFileSpreadsheet(files, regional, {}, output)
                                  : makeLibreOfficeFileSpreadsheet(files, regional, output,
                                                                   LibreOfficeEnvironment::office),
                              run.calls);
                        });
  run.err = err.str();
  return run;
}

// The calls of two runs, the workbook's path left out of "open", compared
// line by line so that a difference shows where it starts.
void expectSameCalls(std::vector<std::string> expected, std::vector<std::string> actual, const std::string& what) {
  for (auto* calls : {&expected, &actual})
    for (std::string& call : *calls)
      if (call.starts_with("open ")) call = "open";
  const size_t common = std::min(expected.size(), actual.size());
  for (size_t i = 0; i < common; ++i)
    ASSERT_EQ(actual[i], expected[i]) << what << ", volání č. " << i + 1;
  EXPECT_EQ(actual.size(), expected.size()) << what;
  EXPECT_GT(expected.size(), 50u) << what;
}

// The names in a folder, to show that a failed export left nothing behind.
std::set<std::string> folderContents(const ScratchDir& dir) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path)) names.insert(entry.path().filename());
  return names;
}

}  // namespace

// The example export through LibreOffice into .xls (in place, with a
// backup), .ods and .xlsx (to --output): each keeps its format and holds the
// same cells as the file backend's .xlsx.
TEST(LibreOfficeEndToEnd, CliFillsXlsOdsAndXlsxLikeTheFileBackend) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string example = KALKORA_EXAMPLE_WORKBOOK;
  convert(example, {dir.file("kalkora.xls"), dir.file("kalkora.ods")});
  const std::string xlsBefore = dir.read("kalkora.xls"), odsBefore = dir.read("kalkora.ods");

  const CliResult reference = runExport(example, {"--output", dir.file("reference.xlsx")});
  ASSERT_EQ(reference.exitCode, 0) << reference.err;
  const CliResult xls = runExport(dir.file("kalkora.xls"), {});
  ASSERT_EQ(xls.exitCode, 0) << xls.err;
  // The one line says where the workbook as it was stays, the next where
  // the protocol lies: beside it, under the backup's stamp.
  const std::regex kept("Předchozí verze sešitu zůstane uložena jako .*/(kalkora\\.(\\d{4}-\\d\\d-\\d\\d_\\d{4})\\.bak\\.xls) "
                        "\\(ponechává se 10 nejnovějších záloh\\)\\.\n"
                        "Protokol exportu: .*/kalkora\\.(\\d{4}-\\d\\d-\\d\\d_\\d{4})\\.protokol\\.csv\n");
  std::smatch backup;
  ASSERT_TRUE(std::regex_match(xls.err, backup, kept)) << xls.err;
  EXPECT_EQ(backup[2], backup[3]);
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
  const std::string workbook = statementWorkbook();
  convert(workbook, {dir.file("vykazy.ods")});
  const auto exportInto = [&](const std::string& from, const std::string& to) {
    std::vector<std::string> args = statementExport(from);
    args.insert(args.end(), {"--output", to});
    return runKalkoraCli(args);
  };
  const CliResult reference = exportInto(workbook, dir.file("reference.xlsx"));
  ASSERT_EQ(reference.exitCode, 0) << reference.err;
  const CliResult ods = exportInto(dir.file("vykazy.ods"), dir.file("vysledek.ods"));
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

// Without LibreOffice's windows the window program fills the workbook file in
// place, as kalkora-cli does, and then shows the file as the file backend does.
TEST(LibreOfficeEndToEnd, AWorkbookFilledInPlaceForTheWindowIsShownAfterwards) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string ods = dir.file("kalkora.ods");
  convert(KALKORA_EXAMPLE_WORKBOOK, {ods});
  DiskFileSystem fs;
  std::vector<std::string> shown;
  const auto spreadsheet = makeLibreOfficeFileSpreadsheet(fs, Regional{}, std::nullopt, LibreOfficeEnvironment::office,
                                                          [&](const std::string& path) { shown.push_back(path); });
  spreadsheet->setVisible(true);
  spreadsheet->open(ods);
  spreadsheet->writeNumber(2, 30, 7, 111);
  EXPECT_TRUE(shown.empty());
  spreadsheet->close();
  EXPECT_EQ(shown, std::vector<std::string>{ods});
  const auto stored = LibreOfficeEnvironment::office->spreadsheet(Regional{});
  stored->open(ods);
  EXPECT_EQ(stored->readCell(2, 30, 7), "111");
  stored->close();
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

// The exports make the same calls through LibreOffice as through the file
// backend, in the same order, and get the same answers to their reads: the
// example turnover export into the .xlsx and into its .xls conversion, and a
// statement export, which reads the marking column before it writes.
TEST(LibreOfficeEndToEnd, ExportsMakeTheSameCallsAsThroughTheFileBackend) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const std::string example = KALKORA_EXAMPLE_WORKBOOK;
  convert(example, {dir.file("kalkora.xls")});
  // Each run's protocol goes to a file named after its output.
  const auto withOutput = [&](std::vector<std::string> args, const std::string& output) {
    args.insert(args.end(), {"--output", dir.file(output), "--report", dir.file(output + ".csv")});
    return args;
  };
  const InProcessRun file = runInProcess(withOutput(exampleExport(example), "soubor.xlsx"), Backend::File);
  ASSERT_EQ(file.exitCode, 0) << file.err;
  for (const char* workbook : {"", "kalkora.xls"}) {
    const std::string path = *workbook ? dir.file(workbook) : example;
    const InProcessRun office =
        runInProcess(withOutput(exampleExport(path), "libreoffice.xlsx"), Backend::LibreOffice);
    ASSERT_EQ(office.exitCode, 0) << office.err;
    expectSameCalls(file.calls, office.calls, path);
    EXPECT_EQ(dir.read("libreoffice.xlsx.csv"), dir.read("soubor.xlsx.csv")) << path;
  }

  const InProcessRun fileStatements =
      runInProcess(withOutput(statementExport(statementWorkbook()), "vykazy.xlsx"), Backend::File);
  ASSERT_EQ(fileStatements.exitCode, 0) << fileStatements.err;
  const InProcessRun officeStatements =
      runInProcess(withOutput(statementExport(statementWorkbook()), "vykazy-lo.xlsx"), Backend::LibreOffice);
  ASSERT_EQ(officeStatements.exitCode, 0) << officeStatements.err;
  expectSameCalls(fileStatements.calls, officeStatements.calls, statementWorkbook());
  EXPECT_EQ(dir.read("vykazy-lo.xlsx.csv"), dir.read("vykazy.xlsx.csv"));
  EXPECT_NE(dir.read("vykazy.xlsx.csv").find("Rozvahy netto;G7;1;"), std::string::npos);
}

// Workbooks LibreOffice opens only with an answer (a password) or not at
// all (an .ods whose compressed content is damaged) cannot be filled: the
// export says why, exits 1 and leaves the folder as it was (no backup, no
// temporary file). kalkora-cli itself for one of them, the same run in this
// process for the others.
TEST(LibreOfficeEndToEnd, WorkbooksLibreOfficeCannotOpenAreRefusedWithTheReason) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  // LibreOffice stores an .xlsx unencrypted whatever the password.
  for (const char* name : {"heslo.ods", "heslo.xls"})
    storeWithPassword(LibreOfficeEnvironment::office, KALKORA_EXAMPLE_WORKBOOK, dir.file(name), "tajne");
  convert(KALKORA_EXAMPLE_WORKBOOK, {dir.file("poskozeny.ods")});
  std::string damaged = dir.read("poskozeny.ods");
  std::fill_n(damaged.begin() + static_cast<std::ptrdiff_t>(damaged.size() / 3), 64, '\0');
  dir.write("poskozeny.ods", damaged);
  const std::set<std::string> before = folderContents(dir);
  std::map<std::string, std::string> bytes;
  for (const std::string& name : before) bytes[name] = dir.read(name);

  const CliResult ods = runExport(dir.file("heslo.ods"), {});
  EXPECT_EQ(ods.exitCode, 1);
  EXPECT_THAT(ods.err, HasSubstr("heslo.ods je chráněný heslem"));
  const InProcessRun xls = runInProcess(exampleExport(dir.file("heslo.xls")), Backend::LibreOffice);
  EXPECT_EQ(xls.exitCode, 1);
  EXPECT_THAT(xls.err, HasSubstr("heslo.xls je chráněný heslem"));
  const InProcessRun broken = runInProcess(exampleExport(dir.file("poskozeny.ods")), Backend::LibreOffice);
  EXPECT_EQ(broken.exitCode, 1);
  EXPECT_THAT(broken.err, HasSubstr("poskozeny.ods neotevřel: soubor je poškozený"));
  EXPECT_EQ(folderContents(dir), before);
  for (const auto& [name, content] : bytes) EXPECT_TRUE(dir.read(name) == content) << name;
}

// A workbook with a link to another file and a macro bound to its opening:
// LibreOffice would ask about both. The export asks nothing and fills the
// workbook in place, which keeps the link's formula and the macro.
TEST(LibreOfficeEndToEnd, WorkbookWithLinksAndMacrosIsFilledAndKeepsThem) {
  SKIP_WITHOUT_LIBREOFFICE();
  ScratchDir dir;
  const auto& office = LibreOfficeEnvironment::office;
  storeNumberWorkbook(office, dir.file("zdroj.ods"), 17);
  storeWithLink(office, KALKORA_EXAMPLE_WORKBOOK, dir.file("odkaz.ods"), 1, 40, 2, dir.file("zdroj.ods"));
  storeWithMacro(office, dir.file("odkaz.ods"), dir.file("sesit.ods"));

  const InProcessRun run = runInProcess(exampleExport(dir.file("sesit.ods")), Backend::LibreOffice);
  ASSERT_EQ(run.exitCode, 0) << run.err;
  EXPECT_THAT(formulaAt(office, dir.file("sesit.ods"), 1, 40, 2), HasSubstr("zdroj.ods"));
  EXPECT_THAT(run.err, HasSubstr("Předchozí verze sešitu zůstane uložena"));
  const auto written = std::ranges::find_if(run.calls, [](const std::string& c) { return c.starts_with("number "); });
  ASSERT_NE(written, run.calls.end());
  int sheet = 0, row = 0, column = 0;
  std::istringstream(written->substr(7)) >> sheet >> row >> column;
  const auto result = office->spreadsheet(Regional{});
  result->open(dir.file("sesit.ods"));
  EXPECT_EQ(*written, "number " + std::to_string(sheet) + " " + std::to_string(row) + " " + std::to_string(column) +
                          " " + result->readCell(sheet, row, column));
  result->close();
  EXPECT_THAT(dir.read("sesit.ods"), HasSubstr("Basic/Standard/Kalkora.xml"));
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
  // Left by an earlier LibreOffice, and by a run killed while making one.
  const std::filesystem::path leftovers = dir.file("mezipaměť uživatele/kalkora-import");
  std::filesystem::create_directories(leftovers / "libreoffice-profile-1-2" / "user");
  std::filesystem::create_directories(leftovers / ".libreoffice-profile-AbCd12");
  std::filesystem::last_write_time(leftovers / ".libreoffice-profile-AbCd12",
                                   std::filesystem::file_time_type::clock::now() - std::chrono::hours(2));
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
