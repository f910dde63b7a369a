// Makes a large Kalkora workbook with libxlsxwriter (numbers and formulas on
// both statement sheets) and times one export session through the xlsx
// backend: open, marking reads, writes into one period column, close.
//   bench_xlsx [rows per sheet] [writes]   default: 26000 300
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "xlsx/xlsx_spreadsheet.h"
#include "testing/xlsx_test_support.h"

namespace {

double millisecondsSince(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
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
  std::printf("open %.1f ms, both sheets + 2 x 200 marking reads %.1f ms, %d writes %.1f ms, close (save) %.1f ms\n", opened,
              read - opened, writes, written - read, closed - written);
  std::printf("total open + writes + save: %.1f ms (%zu bytes read)\n", closed, names.size());
  return 0;
}
