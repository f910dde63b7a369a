// Times the example turnover export (mode 1 from obraty.csv into the example
// workbook, period 1) as kalkora-cli runs it, in process:
//   (a) through LibreOffice, start included: a headless LibreOffice starts,
//       opens the workbook, the export writes, the document is stored to a
//       temporary file and LibreOffice ends;
//   (b) through a LibreOffice that already runs: open, export, close unsaved;
//   (c) through the file backend, saved to a temporary file.
// Each into the .xlsx and into the same workbook as .xls; the least and the
// median time of the runs.
//   bench_libreoffice_export [runs]   default: 5
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/spreadsheet_backend.h"
#include "bench_support.h"
#include "cli/cli_run.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/xml_memory.h"
#include "testing/xlsx_test_support.h"

namespace {

// The export README shows for mode 1, written to output when there is one.
kalkora::CliOptions exampleExport(const std::string& workbook, const std::string& output) {
  const std::string examples = KALKORA_EXAMPLES_DIR;
  kalkora::CliOptions o;
  o.mode = 1;
  o.source = examples + "/obraty.csv";
  o.sets = {{"Ucet", "1"}, {"Castka", "3"}, {"PrvniRadek", "2"}};
  o.balanceDef = examples + "/list_rozvaha.txt";
  o.incomeDef = examples + "/list_vysledovka.txt";
  o.workbook = workbook;
  o.period = "1";
  if (!output.empty()) o.output = output;
  return o;
}

// Runs the export `runs` times and prints the least and the median seconds;
// a failed run prints kalkora-cli's messages instead.
void timeExport(const char* what, int runs, const kalkora::CliOptions& options,
                const kalkora::CliSpreadsheetFactory& factory) {
  kalkora::DiskFileSystem fs;
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    std::ostringstream out, err;
    const auto start = std::chrono::steady_clock::now();
    const int code = kalkora::runCli(options, fs, out, err, factory);
    times.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    if (code != 0) {
      std::printf("  %-58s failed: %s\n", what, err.str().c_str());
      return;
    }
  }
  std::sort(times.begin(), times.end());
  std::printf("  %-58s least %.3f s, median %.3f s\n", what, times.front(), times[times.size() / 2]);
}

kalkora::CliSpreadsheetFactory batch(kalkora::Backend backend) {
  return [backend](kalkora::FileSystem& files, const kalkora::Regional& regional,
                   const std::optional<std::string>& output) {
    return kalkora::makeBatchSpreadsheet(files, regional, backend, output);
  };
}

}  // namespace

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  const int runs = static_cast<int>(benchSizes(argc, argv, {5}).front());
  kalkora::xlsx_test::ScratchFolder folder;
  const std::string xlsx = KALKORA_EXAMPLE_WORKBOOK, xls = folder.path("kalkora.xls");
  std::shared_ptr<kalkora::LibreOffice> office;
  try {
    const auto start = std::chrono::steady_clock::now();
    office = kalkora::startLibreOffice();
    std::printf("headless LibreOffice start alone: %.3f s\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    const auto converter = office->spreadsheet(kalkora::Regional{});
    converter->open(xlsx);
    converter->storeTo(xls);
    converter->close();
  } catch (const kalkora::Error& e) {
    std::printf("LibreOffice: %s\n", e.what());
    return 0;
  }
  // The running one answers (b); its documents close unsaved.
  const kalkora::CliSpreadsheetFactory running = [&office](kalkora::FileSystem&, const kalkora::Regional& regional,
                                                           const std::optional<std::string>&) {
    return std::unique_ptr<kalkora::Spreadsheet>(office->spreadsheet(regional));
  };
  std::printf("example turnover export, %d runs each:\n", runs);
  for (const std::string& workbook : {xlsx, xls}) {
    const std::string name = workbook == xlsx ? "xlsx" : "xls";
    const std::string output = folder.path("vysledek." + name);
    timeExport(("(a) LibreOffice, start included, ." + name).c_str(), runs, exampleExport(workbook, output),
               batch(kalkora::Backend::LibreOffice));
    timeExport(("(b) LibreOffice running, open + export + close, ." + name).c_str(), runs,
               exampleExport(workbook, ""), running);
  }
  timeExport("(c) file backend, .xlsx", runs, exampleExport(xlsx, folder.path("vysledek_soubor.xlsx")),
             batch(kalkora::Backend::File));
}
