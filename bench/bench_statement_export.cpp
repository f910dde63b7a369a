// Times the statement export of each statement mode (3 CSV statement, 4 RUZ,
// 5 tax return, 6 P 5-01) through the xlsx backend into a large workbook:
// open, every marking read and cell write of the export, save; each mode
// without and with its export protocol (a read of each cell before it is
// written, and the protocol's text). Each run works on its own copy of the
// workbook, made before the clock starts.
//   bench_statement_export [rows...]   default: 26000 rows per statement sheet (about 5 MB)
#include <time.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>

#include "app/import_modes.h"
#include "app/spreadsheet_backend.h"
#include "bench_support.h"
#include "export/export_progress.h"
#include "export/export_protocol.h"
#include "model/workspace.h"
#include "platform/file_system.h"
#include "platform/xml_memory.h"
#include "testing/xlsx_test_support.h"

namespace {

using kalkora::Workspace;

// Wall time and this process's processor time: on a machine shared with
// other builds the processor time is the figure that compares.
struct Clock {
  std::chrono::steady_clock::time_point wall = std::chrono::steady_clock::now();
  double cpu = cpuSeconds();

  static double cpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
  }
  double wallSince(const Clock& start) const { return std::chrono::duration<double>(wall - start.wall).count(); }
  double cpuSince(const Clock& start) const { return cpu - start.cpu; }
};

void row(Workspace& ws, int r, const std::string& marking, const std::string& type) {
  ws.table.setCell(1, r, marking);
  ws.table.setCell(2, r, std::to_string(r * 37 % 9000 - 1000));
  ws.table.setCell(3, r, type);
}

// The tables the readers leave, at their full size. The large workbook
// carries marking n in row n, so every search finds its line.
Workspace csvStatement() {  // the assets of the 2016 layout, sum lines written
  Workspace ws;
  ws.mode = kalkora::ImportMode::CsvStatement;
  ws.params.RadioGroup1 = 3;
  ws.params.CheckBox12 = true;
  ws.table.setRowCount(78);
  for (int r = 1; r <= 77; ++r) row(ws, r, std::to_string(r), r % 5 == 1 ? "suma" : "");
  return ws;
}

Workspace ruzStatement() {  // with the sum lines and the clearing step
  Workspace ws;
  ws.mode = kalkora::ImportMode::RuzStatement;
  ws.params.CheckBox13 = ws.params.CheckBox15 = true;
  ws.table.setRowCount(207);
  for (int r = 1; r <= 145; ++r) row(ws, r, std::to_string(r), r < 79 ? "Rozvaha aktiva" : "Rozvaha pasiva");
  for (int n = 1; n <= 61; ++n) row(ws, 145 + n, std::to_string(n), n % 4 == 2 ? "Výsledovka - suma" : "Výsledovka");
  return ws;
}

Workspace taxReturn() {  // 150 balance-sheet and 56 income-statement lines, with the clearing step
  Workspace ws;
  ws.mode = kalkora::ImportMode::TaxReturn;
  ws.params.CheckBox16 = true;
  ws.params.Edit40 = "150";
  ws.params.Edit41 = "56";
  ws.table.setRowCount(207);
  for (int r = 1; r <= 150; ++r) row(ws, r, std::to_string(r < 144 ? r : r - 3), r < 82 ? "Rozvaha aktiva" : "Rozvaha pasiva");
  for (int n = 1; n <= 56; ++n) row(ws, 150 + n, std::to_string(n), "Výsledovka");
  return ws;
}

Workspace p501Report() {  // the income statement of a small enterprise, target rows 7 to 62
  Workspace ws;
  ws.mode = kalkora::ImportMode::P501Report;
  ws.params.RadioGroup2 = 2;
  ws.table.setRowCount(57);
  for (int r = 1; r <= 56; ++r) {
    ws.table.setCell(0, r, std::to_string(r + 6));
    ws.table.setCell(3, r, std::to_string(r * 53 % 7000));
  }
  return ws;
}

}  // namespace

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  const std::vector<long> sizes = benchSizes(argc, argv, {26000});
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  const kalkora::Regional regional{};
  const kalkora::Services services{fs, messages, regional};
  const std::pair<const char*, Workspace> modes[] = {{"3 CSV statement", csvStatement()},
                                                    {"4 RUZ statement", ruzStatement()},
                                                    {"5 tax return", taxReturn()},
                                                    {"6 P 5-01 report", p501Report()}};
  for (long rows : sizes) {
    kalkora::xlsx_test::ScratchFolder folder;
    const std::string original = folder.path("Kalkora.xlsx");
    kalkora::xlsx_test::makeLargeKalkoraWorkbook(original, static_cast<int>(rows));
    const double megabytes = static_cast<double>(std::filesystem::file_size(original)) / 1e6;
    std::printf("%ld rows per statement sheet, %.1f MB:\n", rows, megabytes);
    const auto timed = [&](const std::string& label, const std::function<void(kalkora::Spreadsheet&)>& work) {
      static int copies = 0;
      const std::string workbook = folder.path("kopie" + std::to_string(++copies) + ".xlsx");
      std::filesystem::copy_file(original, workbook);
      const Clock start;
      const auto xlsx = kalkora::makeFileSpreadsheet(fs, regional);
      xlsx->open(workbook);
      const Clock opened;
      work(*xlsx);
      const Clock worked;
      xlsx->close();
      const Clock saved;
      std::printf("  %s: open %.3f s, export %.3f s, save %.3f s, in all %.3f s; processor %.3f + %.3f + %.3f s\n",
                  label.c_str(), opened.wallSince(start), worked.wallSince(opened), saved.wallSince(worked),
                  saved.wallSince(start), opened.cpuSince(start), worked.cpuSince(opened), saved.cpuSince(worked));
    };
    // What every export pays for the workbook alone: both statement sheets
    // parsed, one cell written into each, the package saved.
    timed("floor (one cell per sheet)", [](kalkora::Spreadsheet& sheet) {
      sheet.writeNumber(2, 1, 7, 1);
      sheet.writeNumber(3, 1, 7, 1);
    });
    for (auto [name, ws] : modes) {
      ws.params.Edit1 = "1";
      kalkora::ExportProgress progress;
      timed(std::string("mode ") + name, [&](kalkora::Spreadsheet& sheet) {
        kalkora::importModeRow(ws.mode)->exporter(ws, services, sheet, progress, kalkora::noCellOrigins());
      });
      timed(std::string("mode ") + name + " with its protocol", [&](kalkora::Spreadsheet& sheet) {
        kalkora::ExportProtocol protocol(sheet, regional.decimalSeparator);
        kalkora::importModeRow(ws.mode)->exporter(ws, services, protocol, progress, protocol);
        if (protocol.csv().empty()) std::printf("no protocol\n");
      });
    }
  }
}
