#include "libreoffice/batched_cells.h"

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/chart/XChartDataArray.hpp>
#include <com/sun/star/sheet/FormulaResult.hpp>
#include <com/sun/star/sheet/XCellRangeAddressable.hpp>
#include <com/sun/star/sheet/XCellRangeData.hpp>
#include <com/sun/star/table/XCell.hpp>
#include <com/sun/star/text/XTextRange.hpp>

#include <algorithm>
#include <limits>

#include "libreoffice/uno_text.h"
#include "platform/error.h"
#include "platform/number.h"

namespace kalkora {
namespace {

using css::uno::Any;
using css::uno::Reference;
using css::uno::Sequence;
using css::uno::UNO_QUERY_THROW;

// Rows fetched by one read: a marking column is read from its top down, so
// one fetch answers a statement's reads.
constexpr int kBlockRows = 256;

int blockOf(int row) { return (row - 1) / kBlockRows; }

// Rows first to last of a column, through the interface I.
template <class I>
Reference<I> columnRange(const Reference<css::sheet::XSpreadsheet>& sheet, int column, int first, int last) {
  return Reference<I>(sheet->getCellRangeByPosition(column - 1, first - 1, column - 1, last - 1), UNO_QUERY_THROW);
}

}  // namespace

std::string cellName(int row, int column) {
  return "na řádku " + std::to_string(row) + " a ve sloupci " + std::to_string(column);
}

std::string BatchedCells::read(int sheet, int row, int column) {
  if (const auto w = waiting_.find({sheet, column, row}); w != waiting_.end())
    return formatShortest(w->second, separator_);
  // A cell past the sheet's end is asked on its own, which reports it.
  if (!onSheet(sheet, row, column)) return readOne(sheet, row, column);
  try {
    const std::optional<std::string>& text = block(sheet, row, column)[(row - 1) % kBlockRows];
    if (text) return *text;
  } catch (const css::uno::Exception&) {
    // Whatever LibreOffice has against the block, the cell on its own
    // either answers or says what it is.
  }
  return readOne(sheet, row, column);
}

// A block as LibreOffice gives it: numbers as doubles (a formula's numeric
// value too), texts and a formula's text as strings, an empty cell as "".
// A formula's error comes as nothing; its text is asked per cell. The
// waiting writes go first, so that the block holds them.
const BatchedCells::Block& BatchedCells::block(int sheet, int row, int column) {
  const Key key{sheet, column, blockOf(row)};
  if (const auto known = blocks_.find(key); known != blocks_.end()) return known->second;
  flush();
  const int first = blockOf(row) * kBlockRows + 1;
  const int last = std::min(first + kBlockRows - 1, size_.at(sheet).first);
  const Sequence<Sequence<Any>> data =
      columnRange<css::sheet::XCellRangeData>(sheet_(sheet), column, first, last)->getDataArray();
  Block texts(kBlockRows);
  for (sal_Int32 i = 0; i < data.getLength() && i < kBlockRows; ++i) {
    const Any& value = data[i][0];
    double number;
    OUString text;
    if (value >>= number)
      texts[i] = formatShortest(number, separator_);
    else if (value >>= text)
      texts[i] = fromUno(text);
  }
  return blocks_.emplace(key, std::move(texts)).first->second;
}

std::string BatchedCells::readOne(int sheet, int row, int column) {
  try {
    const Reference<css::table::XCell> c = sheet_(sheet)->getCellByPosition(column - 1, row - 1);
    switch (c->getType()) {
      case css::table::CellContentType_EMPTY:
        return "";
      case css::table::CellContentType_VALUE:
        return formatShortest(c->getValue(), separator_);
      case css::table::CellContentType_FORMULA: {
        sal_Int32 result = 0;
        Reference<css::beans::XPropertySet>(c, UNO_QUERY_THROW)->getPropertyValue("FormulaResultType2") >>= result;
        if (result == css::sheet::FormulaResult::VALUE) return formatShortest(c->getValue(), separator_);
        [[fallthrough]];
      }
      default:
        return fromUno(Reference<css::text::XTextRange>(c, UNO_QUERY_THROW)->getString());
    }
  } catch (const css::uno::Exception& e) {
    raiseLibreOfficeError("LibreOffice nepřečetl buňku " + cellName(row, column) + ".", e);
  }
}

// A sheet's rows and columns, asked once; false also when LibreOffice does
// not say, so that the cell goes on its own.
bool BatchedCells::onSheet(int sheet, int row, int column) {
  auto known = size_.find(sheet);
  if (known == size_.end()) {
    try {
      const auto all = Reference<css::sheet::XCellRangeAddressable>(sheet_(sheet), UNO_QUERY_THROW)->getRangeAddress();
      known = size_.emplace(sheet, std::pair{all.EndRow + 1, all.EndColumn + 1}).first;
    } catch (const css::uno::Exception&) {
      return false;
    }
  }
  return row <= known->second.first && column <= known->second.second;
}

void BatchedCells::write(int sheet, int row, int column, double value) {
  // LibreOffice refuses a cell past the sheet's end at once, as a single
  // cell's write would.
  if (!onSheet(sheet, row, column)) return writeRun(sheet, column, row, {value});
  waiting_[{sheet, column, row}] = value;
  if (!manual_) {
    blocks_.clear();
  } else if (const auto known = blocks_.find({sheet, column, blockOf(row)}); known != blocks_.end()) {
    known->second[(row - 1) % kBlockRows] = formatShortest(value, separator_);
  }
}

void BatchedCells::flush() {
  std::map<Key, double> waiting;
  waiting.swap(waiting_);  // a failed run is reported once, not again at close
  std::vector<double> run;
  for (auto it = waiting.begin(); it != waiting.end();) {
    const auto [sheet, column, first] = it->first;
    run.clear();
    for (int row = first; it != waiting.end() && it->first == Key{sheet, column, row}; ++it, ++row)
      run.push_back(it->second);
    writeRun(sheet, column, first, run);
  }
}

// A run in one call through the chart data interface: unlike
// setDataArray, which empties the range first and so drops the cells'
// comments, it sets each value as a single cell's write does. That
// interface empties a cell given DBL_MIN, so such a value goes on its own.
bool BatchedCells::writeAtOnce(int sheet, int column, int firstRow, const std::vector<double>& values) {
  if (std::find(values.begin(), values.end(), std::numeric_limits<double>::min()) != values.end()) return false;
  try {
    Sequence<Sequence<double>> data(static_cast<sal_Int32>(values.size()));
    auto rows = data.getArray();
    for (size_t i = 0; i < values.size(); ++i) rows[i] = Sequence<double>(&values[i], 1);
    const int lastRow = firstRow + static_cast<int>(values.size()) - 1;
    columnRange<css::chart::XChartDataArray>(sheet_(sheet), column, firstRow, lastRow)->setData(data);
    return true;
  } catch (const css::uno::Exception&) {
    // LibreOffice refuses a range it cannot map without saying which cell
    // is the trouble: cell by cell it writes what it can and names the one
    // it cannot.
    return false;
  }
}

void BatchedCells::writeRun(int sheet, int column, int firstRow, const std::vector<double>& values) {
  if (writeAtOnce(sheet, column, firstRow, values)) return;
  const int lastRow = firstRow + static_cast<int>(values.size()) - 1;
  for (int row = firstRow; row <= lastRow; ++row) {
    try {
      sheet_(sheet)->getCellByPosition(column - 1, row - 1)->setValue(values[row - firstRow]);
    } catch (const css::uno::Exception& e) {
      raiseLibreOfficeError("LibreOffice nezapsal buňku " + cellName(row, column) + ".", e);
    }
  }
}

void BatchedCells::setManualCalculation(bool manual) {
  manual_ = manual;
  if (!manual) blocks_.clear();
}

void BatchedCells::forget() {
  waiting_.clear();
  blocks_.clear();
  size_.clear();
  manual_ = false;
}

}  // namespace kalkora
