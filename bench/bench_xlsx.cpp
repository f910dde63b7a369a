// Makes a large Kalkora workbook with libxlsxwriter (numbers and formulas on
// both statement sheets) and times one export session through the xlsx
// backend: open, marking reads, writes into one period column, close. The
// session runs three times with pugixml's documents on the ordinary heap,
// then three times on the huge pages the programs install, each time on a
// fresh copy of the workbook and with its pages faulted in anew, so the gain
// of those stays measured; the best of each three is compared (on a shared
// machine the others only add noise).
//   bench_xlsx [rows per sheet] [writes]   default: 26000 300
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <string>

#include "platform/xml_memory.h"
#include "testing/xlsx_test_support.h"
#include "xlsx/xlsx_spreadsheet.h"

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// One session on the workbook at path, its steps printed. Returns the ms
// until both sheets are parsed and read, the part where pugixml's memory
// counts; the save that follows mostly compresses.
double session(const std::string& path, int rows, int writes) {
  const auto start = std::chrono::steady_clock::now();
  kalkora::XlsxSpreadsheet spreadsheet;
  spreadsheet.open(path);
  const double opened = millisecondsSince(start);
  // As an export does: find the sheets, read the markings once, write the period column.
  std::string names = spreadsheet.sheetName(2) + spreadsheet.sheetName(3);
  for (int row = 1; row <= 200; ++row) names += spreadsheet.readCell(2, row, 6) + spreadsheet.readCell(3, row, 6);
  const double read = millisecondsSince(start);
  for (int i = 0; i < writes; ++i) {
    const int sheet = 2 + i % 2;
    const int row = 1 + (i * 7919) % (rows + 50);  // some rows past the end
    spreadsheet.writeNumber(sheet, row, 7 + i % 3, i * 1.25);
  }
  const double written = millisecondsSince(start);
  spreadsheet.close();
  const double closed = millisecondsSince(start);
  std::printf("  open %.1f ms, both sheets + 2 x 200 marking reads %.1f ms, %d writes %.1f ms, close (save) %.1f ms\n",
              opened, read - opened, writes, written - read, closed - written);
  std::printf("  total open + writes + save: %.1f ms (%zu bytes read)\n", closed, names.size());
  return read;
}

}  // namespace

int main(int argc, char** argv) {
  const int rows = argc > 1 ? std::atoi(argv[1]) : 26000;
  const int writes = argc > 2 ? std::atoi(argv[2]) : 300;
  kalkora::xlsx_test::ScratchFolder folder;
  const std::string path = folder.path("Kalkora.xlsx");
  kalkora::xlsx_test::makeLargeKalkoraWorkbook(path, rows);
  std::printf("workbook: %d rows per statement sheet, %.1f MB\n", rows,
              static_cast<double>(std::filesystem::file_size(path)) / 1e6);
  int copies = 0;
  const auto bestOfThree = [&] {
    double best = 0;
    for (int run = 0; run < 3; ++run) {
      const std::string copy = folder.path("kopie" + std::to_string(++copies) + ".xlsx");
      std::filesystem::copy_file(path, copy);
      const double parsed = session(copy, rows, writes);
      // What the session freed goes back to the system, so that the next one
      // faults its pages in again as a program's first parse does, rather
      // than reusing those the heap kept.
      malloc_trim(0);
      best = run == 0 ? parsed : std::min(best, parsed);
    }
    return best;
  };

  std::printf("XML documents on the heap:\n");
  const double heap = bestOfThree();
  kalkora::installXmlMemory();
  std::printf("XML documents on huge pages:\n");
  const double huge = bestOfThree();
  std::printf("XML memory, heap versus huge pages: both sheets parsed and read in %.1f ms versus %.1f ms "
              "(%.2f times as fast; best of three)\n",
              heap, huge, heap / huge);
  return 0;
}
