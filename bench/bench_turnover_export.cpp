// Times the account check and the turnover export of N accounts against
// definitions of 300 records with 1,500 entries: through the recording
// spreadsheet (the export's own cost) and through the xlsx backend on a
// large workbook (open, export, save), and through LibreOffice.
//   bench_turnover_export [accounts...]   default: 20000
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "model/workspace.h"
#include "bench_support.h"
#include "testing/recording_spreadsheet.h"
#include "export/export_protocol.h"
#include "export/turnover_export.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "app/spreadsheet_backend.h"
#include "testing/xlsx_test_support.h"
#include "platform/file_system.h"
#include "platform/xml_memory.h"
#include "turnovers/account_check.h"

namespace {

// Synthetic accounts 010..699 with analytic digits behind them.
std::string account(long i) { return std::to_string(10 + (i * 37) % 690) + std::to_string(100 + i % 900); }

// `records` records of five entries each: synthetic and analytic prefixes,
// with every mark the format knows.
std::string definition(int records, int firstRow, int seed) {
  static const char* const forms[] = {"%s,", "-%s,", "%s>,", "%s<,", "-%s<,"};
  std::string text;
  for (int r = 0; r < records; ++r) {
    char row[64];
    std::snprintf(row, sizeof row, "   %03d Řádek %d", firstRow + r, r);
    text += "Popis řádku\r\n" + std::string(row) + "\r\n";
    for (int e = 0; e < 5; ++e) {
      const long k = (r * 5 + e) * 7L + seed;
      const std::string prefix = e == 4 ? account(k).substr(0, 4) : std::to_string(10 + (k * 13) % 690);
      char entry[32];
      std::snprintf(entry, sizeof entry, forms[(r + e) % 5], prefix.c_str());
      text += entry;
    }
    text += "\r\n";
  }
  return text;
}

double seconds(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The same export through a headless LibreOffice (when installed): its
// start, the workbook's loading, the export's cell writes with calculation
// off, and storing the document.
void libreOfficeExport(const kalkora::Workspace& ws, kalkora::FileSystem& fs, const std::string& workbook,
                       kalkora::ExportProgress& progress) {
  try {
    auto start = std::chrono::steady_clock::now();
    const auto office = kalkora::startLibreOffice();
    const double started = seconds(start);
    const auto document = office->spreadsheet(kalkora::Regional{});
    document->open(workbook);
    const double opened = seconds(start);
    document->setCalculation(kalkora::Spreadsheet::Calculation::Manual);
    kalkora::NaplnDaty(ws, fs, *document, progress);
    document->setCalculation(kalkora::Spreadsheet::Calculation::Automatic);
    const double filled = seconds(start);
    document->storeTo(workbook + ".ods");
    const double stored = seconds(start);
    document->close();
    std::printf("  through LibreOffice into a 500-row workbook: start %.3f s, open %.3f s, export %.3f s, store "
                "%.3f s; all %.3f s\n",
                started, opened - started, filled - opened, stored - filled, stored);
  } catch (const kalkora::Error& e) {
    std::printf("  through LibreOffice: %s\n", e.what());
  }
}

}  // namespace

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  const std::vector<long> sizes = benchSizes(argc, argv, {20000});
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  const std::string balance = "/tmp/kalkora_bench_rozvaha.txt", income = "/tmp/kalkora_bench_vysledovka.txt";
  fs.writeFile(balance, definition(200, 10, 1));
  fs.writeFile(income, definition(100, 300, 5));
  kalkora::xlsx_test::ScratchFolder folder;
  const std::string workbook = folder.path("Kalkora.xlsx");
  kalkora::xlsx_test::makeLargeKalkoraWorkbook(workbook, 26000);
  const double megabytes = static_cast<double>(std::filesystem::file_size(workbook)) / 1e6;
  const std::string smallWorkbook = folder.path("Kalkora_maly.xlsx");
  kalkora::xlsx_test::makeLargeKalkoraWorkbook(smallWorkbook, 500);
  for (long n : sizes) {
    kalkora::Services services{fs, messages, kalkora::Regional{}};
    kalkora::Workspace ws;
    ws.mode = kalkora::ImportMode::CsvTurnovers;
    ws.params.Edit1 = "1";
    ws.params.balanceDefinitionPath = balance;
    ws.params.incomeDefinitionPath = income;
    ws.table.setRowCount(static_cast<int>(n) + 1);
    for (long i = 1; i <= n; ++i) {
      ws.table.setCell(1, static_cast<int>(i), account(i));
      ws.table.setCell(2, static_cast<int>(i), std::to_string(i % 5000 - 2500) + "," + std::to_string(i % 100));
    }
    auto start = std::chrono::steady_clock::now();
    kalkora::ZkontrolujUcty(ws, services);
    const double check = seconds(start);

    kalkora::RecordingSpreadsheet recording({"Úvod", "Rozvahy netto", "Výsledovky", "Poznámky"});
    kalkora::ExportProgress progress;
    start = std::chrono::steady_clock::now();
    kalkora::NaplnDaty(ws, fs, recording, progress);
    const double exported = seconds(start);
    std::printf("%ld accounts, 300 records, 1500 entries: account check %.3f s, export (recording) %.3f s\n", n,
                check, exported);

    // Into the workbook file, without and with the export protocol (each
    // cell read before it is written, the accounts of every sum, the
    // protocol's text), twice each in turn, as the first export in a
    // process pays for memory the later ones find ready.
    for (int round = 0; round < 4; ++round) {
      const bool withProtocol = round % 2 == 1;
      start = std::chrono::steady_clock::now();
      const auto xlsx = kalkora::makeFileSpreadsheet(fs, kalkora::Regional{});
      xlsx->open(workbook);
      const double opened = seconds(start);
      kalkora::ExportProtocol protocol(*xlsx, U',');
      if (withProtocol)
        kalkora::NaplnDaty(ws, fs, protocol, progress, protocol);
      else
        kalkora::NaplnDaty(ws, fs, *xlsx, progress);
      const std::size_t protocolBytes = withProtocol ? protocol.csv().size() : 0;
      const double filled = seconds(start);
      xlsx->close();
      const double saved = seconds(start);
      std::printf("  into the %.1f MB workbook%s: open %.3f s, export %.3f s, save %.3f s; with the check %.3f s",
                  megabytes, withProtocol ? " with its protocol" : "", opened, filled - opened, saved - filled,
                  check + saved);
      if (withProtocol) std::printf(" (protocol %.1f kB)", static_cast<double>(protocolBytes) / 1e3);
      std::printf("\n");
    }
    libreOfficeExport(ws, fs, smallWorkbook, progress);
  }
  std::remove(balance.c_str());
  std::remove(income.c_str());
}
