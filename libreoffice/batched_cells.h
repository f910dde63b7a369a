#pragma once
// Only for the .cpp files of this folder: it needs the UNO headers.
#include <com/sun/star/sheet/XSpreadsheet.hpp>
#include <com/sun/star/uno/Reference.hxx>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace kalkora {

// "na řádku 3 a ve sloupci 7", for messages about a cell.
std::string cellName(int row, int column);

// The cell traffic of one open document. Every UNO call is a round trip to
// LibreOffice, so cells do not go one by one: written numbers wait here and
// go as runs of consecutive rows of one column, one call a run; a read
// fetches a block of its column at once and later reads of that block are
// answered from it. Rows and columns count from 1 and are valid; errors
// raise Error with a Czech message that names the cell.
class BatchedCells {
 public:
  using Sheet = std::function<css::uno::Reference<css::sheet::XSpreadsheet>(int position)>;
  BatchedCells(Sheet sheet, char32_t decimalSeparator) : sheet_(std::move(sheet)), separator_(decimalSeparator) {}

  // A number's shortest text, a formula's value, a text, "" for an empty
  // cell; a written number as written.
  std::string read(int sheet, int row, int column);
  void write(int sheet, int row, int column, double value);
  // Sends the waiting writes: before the document is stored, closed or
  // recalculated.
  void flush();
  // With calculation manual, a write changes no other cell's value, so what
  // was read stays valid; otherwise a write may change any formula's.
  void setManualCalculation(bool manual);
  // The document is gone: nothing waits, nothing is known.
  void forget();

 private:
  using Key = std::tuple<int, int, int>;  // sheet, column, row (writes) or block (reads)
  // One block's texts; none where the cell has to be asked on its own.
  using Block = std::vector<std::optional<std::string>>;

  bool onSheet(int sheet, int row, int column);
  const Block& block(int sheet, int row, int column);
  std::string readOne(int sheet, int row, int column);
  bool writeAtOnce(int sheet, int column, int firstRow, const std::vector<double>& values);
  void writeRun(int sheet, int column, int firstRow, const std::vector<double>& values);

  Sheet sheet_;
  char32_t separator_;
  bool manual_ = false;
  std::map<Key, double> waiting_;
  std::map<Key, Block> blocks_;
  std::map<int, std::pair<int, int>> size_;  // rows, columns of a sheet
};

}  // namespace kalkora
