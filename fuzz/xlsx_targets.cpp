// The xlsx editor as an export uses it: open, sheet names, cell reads,
// numbers written, save; then the saved workbook is opened again and every
// number written must read back. xlsx_bytes feeds raw bytes, which rarely get
// past the zip layer; xlsx_parts feeds one part's new content inside our
// example workbook: its first line names the part, the rest is the content.
#include <map>
#include <tuple>

#include "fuzz/targets.h"
#include "platform/error.h"
#include "platform/number.h"
#include "platform/text_file.h"
#include "testing/memory_file_system.h"
#include "testing/xlsx_test_support.h"
#include "xlsx/xlsx_spreadsheet.h"

namespace kalkora::fuzz {
namespace {

constexpr int kSheetsTried = 4;

int markingColumnOf(int position, std::string_view name) {
  return (position == 2 && name == "Rozvahy netto") || (position == 3 && name == "Výsledovky") ? 6 : 0;
}

void roundTrip(const std::string& bytes) {
  MemoryFileSystem fs;
  fs.files["Kalkora.xlsx"] = bytes;
  std::map<std::tuple<int, int, int>, double> written;
  {
    XlsxSpreadsheet workbook(fs, Regional{});
    workbook.keepCachedValues(markingColumnOf);
    workbook.setOutputPath("vysledek.xlsx");
    workbook.open("Kalkora.xlsx");
    for (int sheet = 1; sheet <= kSheetsTried; ++sheet) {
      try {
        workbook.sheetName(sheet);
        for (int row = 1; row <= 10; ++row)
          for (int column = 1; column <= 8; ++column) workbook.readCell(sheet, row, column);
        for (const auto& [row, column, value] : {std::tuple{5, 7, 1234.5 + sheet}, {2, 2, -0.25}, {30, 6, 7e20}}) {
          workbook.writeNumber(sheet, row, column, value);
          written[{sheet, row, column}] = value;
        }
      } catch (const Error&) {
        // A missing sheet, a cell the spreadsheet refuses, a damaged part:
        // the export stops there, and so does this sheet.
      }
    }
    workbook.close();
  }
  if (written.empty()) return;
  XlsxSpreadsheet reopened(fs, Regional{});
  try {
    reopened.open("vysledek.xlsx");
    for (const auto& [cell, value] : written) {
      const auto& [sheet, row, column] = cell;
      const std::string text = reopened.readCell(sheet, row, column);
      if (text != formatShortest(value, U','))
        throw Finding("written " + formatShortest(value, U',') + ", read back " + text);
    }
  } catch (const Error& e) {
    throw Finding(std::string("the saved workbook does not read back: ") + e.what());
  }
}

// The example workbook, made once per process.
const std::string& exampleWorkbook() {
  static const std::string bytes = [] {
    xlsx_test::ScratchFolder folder;
    return xlsx_test::readBytes(xlsx_test::makeKalkoraWorkbook(folder.path("Kalkora.xlsx")));
  }();
  return bytes;
}

}  // namespace

void xlsxBytes(std::string_view data) { roundTrip(std::string(data)); }

void xlsxParts(std::string_view data) {
  const auto newline = data.find('\n');
  if (newline == std::string_view::npos) return;
  const std::string part(data.substr(0, newline));
  static const xlsx_test::PackageView example(exampleWorkbook());
  if (!example.has(part)) return;
  roundTrip(xlsx_test::withPart(exampleWorkbook(), part, std::string(data.substr(newline + 1))));
}

}  // namespace kalkora::fuzz
