// Times the statement readers on large sources through the same code as the
// window: a P 5-01 CSV of N lines (every line stored) and a tax return of N
// assets lines (parsed whole, 299 rows kept).
//   bench_statement_readers [lines...]   default: 100000 1000000
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "model/workspace.h"
#include "platform/file_system.h"
#include "platform/xml_memory.h"
#include "bench_support.h"
#include "statements/p501_report_reader.h"
#include "statements/tax_return_reader.h"

namespace {

std::string makeP501(long lines) {
  static const char* markings[] = {"I.", "A.1.", "*", "**", "F.5.", "", "X."};
  std::string csv;
  csv.reserve(static_cast<size_t>(lines) * 32);
  for (long i = 0; i < lines; ++i)
    csv += "Ukazatel " + std::to_string(i) + ";" + markings[i % 7] + ";" + std::to_string(i) + ".125;\r\n";
  return csv;
}

std::string makeTaxReturn(long lines) {
  std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?><Pisemnost><DPPDP9>";
  xml.reserve(static_cast<size_t>(lines) * 48);
  for (long i = 0; i < lines; ++i)
    xml += "<VetaUA c_radku=\"" + std::to_string(i % 81 + 1) + "\" kc_netto=\"" + std::to_string(i) + "\"/>\n";
  return xml + "</DPPDP9></Pisemnost>";
}

template <class Load>
void time(const char* what, kalkora::Workspace& ws, long n, Load load) {
  const auto start = std::chrono::steady_clock::now();
  load();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::printf("%s: %ld lines -> %d rows in %.3f s\n", what, n, ws.table.rowCount() - 1, seconds);
}

}  // namespace

int main(int argc, char** argv) {
  kalkora::installXmlMemory();
  const std::vector<long> sizes = benchSizes(argc, argv, {100000, 1000000});
  kalkora::DiskFileSystem fs;
  SilentMessages messages;
  kalkora::Services services{fs, messages, kalkora::Regional{}};
  for (long n : sizes) {
    const std::string csv = "/tmp/kalkora_bench_p501_" + std::to_string(n) + ".csv";
    fs.writeFile(csv, makeP501(n));
    kalkora::Workspace ws;
    ws.params.Edit3 = csv;
    ws.params.Edit43 = "3";
    ws.params.Edit44 = "1";
    ws.params.Edit45 = "2";
    ws.params.Edit31 = "0,001";
    ws.params.RadioGroup2 = 2;
    time("P 5-01 report", ws, n, [&] { kalkora::NaplnitvykazySBS(ws, services); });
    std::remove(csv.c_str());

    const std::string xml = "/tmp/kalkora_bench_dppdp_" + std::to_string(n) + ".xml";
    fs.writeFile(xml, makeTaxReturn(n));
    kalkora::Workspace ws2;
    ws2.params.Edit3 = xml;
    ws2.params.RadioGroup3 = 1;
    time("Tax return", ws2, n, [&] { kalkora::NaplnitMFCRvykazy(ws2, services); });
    std::remove(xml.c_str());
  }
}
