#pragma once
#include <map>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "xlsx/cell_reference.h"
#include "xlsx/xml_part.h"

namespace kalkora {

// What a cell holds as stored in the worksheet part.
struct StoredValue {
  enum class Kind { Empty, Number, SharedString, Text };
  Kind kind = Kind::Empty;
  // Number: the stored number text ("12.5"); SharedString: the index;
  // Text: the text itself (inline strings, formula text results, booleans
  // as TRUE/FALSE, errors such as #N/A, ISO dates).
  std::string text;
};

// One worksheet part, parsed once and edited in place. Rows are kept in a map
// by number and each row's cells in a map by column (built the first time the
// row is touched), so reading or writing a cell costs O(log n).
class WorksheetXml {
 public:
  // workbook and sheetName only name things in messages. The document is
  // parsed in the text it is given.
  WorksheetXml(XmlText xml, std::string workbook, std::string sheetName, std::string part);
  WorksheetXml(std::string_view xml, std::string workbook, std::string sheetName, std::string part)
      : WorksheetXml(XmlText(xml), std::move(workbook), std::move(sheetName), std::move(part)) {}

  StoredValue cell(int row, int column);
  // Makes the cell hold the number: its style stays (a new cell takes the
  // style of its row, or else of its column, as the spreadsheet
  // application formats a value typed into an empty cell), its type,
  // formula and inline text go. The rows and cells stay in ascending order. Returns true
  // when the cell held a formula. Raises Error for a cell inside an array
  // formula or a data table, as the spreadsheet application refuses those.
  bool writeNumber(int row, int column, double value);

  // Drops the cached results of formula cells so that any spreadsheet
  // program recalculates them on opening; cells in keepColumn (0: none) keep
  // theirs. Returns whether anything was dropped.
  bool dropCachedFormulaValues(int keepColumn);
  // Whether the part holds any formula (cheap test on the raw text).
  static bool mayHoldFormulas(std::string_view xml);

  bool modified() const { return modified_; }
  // The size of the part as read, in bytes.
  size_t size() const { return size_; }
  std::string save() const;

 private:
  struct Row {
    pugi::xml_node node;
    bool indexed = false;
    std::map<int, pugi::xml_node> cells;
  };

  std::string name(std::string_view local) const { return prefix_ + std::string(local); }
  void indexRows();
  pugi::xml_node formulaOf(pugi::xml_node cell) const;
  Row& indexedRow(Row& row);
  Row& rowForWriting(int row);
  pugi::xml_node cellForWriting(Row& row, int rowNumber, int column);
  void refuseArrayCell(int row, int column) const;
  void releaseFromSharedFormula(pugi::xml_node formula, int row, int column);
  std::vector<std::pair<CellReference, pugi::xml_node>> sharedGroupMembers(const CellRange& range,
                                                                           std::string_view si);
  void widenDimension(int row, int column);
  std::string newCellStyle(pugi::xml_node row, int column) const;

  struct ColumnStyle {
    int first = 0, last = 0;
    std::string style;
  };

  pugi::xml_document doc_;
  std::string workbook_;
  std::string sheetName_;
  std::string prefix_;
  std::string fName_;
  pugi::xml_node sheetData_;
  std::map<int, Row> rows_;
  std::vector<std::pair<int, pugi::xml_node>> formulaCells_;  // column, cell
  std::vector<CellRange> arrayRanges_;
  std::vector<CellRange> dataTableRanges_;
  std::vector<ColumnStyle> columnStyles_;  // of <cols>, in file order
  size_t size_ = 0;
  bool modified_ = false;
};

}  // namespace kalkora
