// Writes a turnover CSV of N lines (digit groups, quotes and decimal points
// mixed) and times its load through the same code as the window.
//   bench_csv_turnovers [lines...]   default: 100000 1000000
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/workspace.h"
#include "bench_support.h"
#include "platform/file_system.h"
#include "turnovers/csv_turnover_reader.h"

namespace {

std::string makeCsv(long lines) {
  std::string csv = "Účet;Název;Konečný stav\r\n";
  csv.reserve(static_cast<size_t>(lines) * 40);
  for (long i = 1; i < lines; ++i) {
    const long account = 100000 + (i * 7919) % 900000;
    switch (i % 3) {
      case 0: csv += std::to_string(account) + ";Pohledávky;" + std::to_string(i % 9999) + " 234,50\r\n"; break;
      case 1: csv += "\"" + std::to_string(account / 1000) + "." + std::to_string(account % 1000) + "\";\"Text\";\"-" +
                     std::to_string(i) + ".125\"\r\n"; break;
      default: csv += std::to_string(account) + ";Zásoby;" + std::to_string(i) + ",5\r\n";
    }
  }
  return csv;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<long> sizes = benchSizes(argc, argv, {100000, 1000000});
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  for (long n : sizes) {
    const std::string path = "/tmp/kalkora_bench_" + std::to_string(n) + ".csv";
    fs.writeFile(path, makeCsv(n));
    kalkora::Services services{fs, messages, kalkora::Regional{}};
    kalkora::Workspace ws;
    ws.params.Edit3 = path;
    ws.params.Edit5 = "1";
    ws.params.Edit6 = "3";
    ws.params.Edit7 = "2";
    const auto start = std::chrono::steady_clock::now();
    kalkora::NaplnitCSVobraty(ws, services);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("CSV turnovers: %ld lines -> %d rows in %.3f s\n", n, ws.table.rowCount() - 1, seconds);
    std::remove(path.c_str());
  }
}
