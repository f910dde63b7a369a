#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "xlsx/calc_chain.h"
#include "xlsx/package_relationships.h"
#include "xlsx/workbook_xml.h"
#include "xlsx/worksheet_xml.h"
#include "xlsx/zip_package.h"

namespace kalkora {

// Which formula results survive a save: for each worksheet (position from 1
// and name), the column whose cached values the caller reads again later, or
// 0 for none. Every other formula cell loses its cached value.
using KeptCachedColumn = std::function<int(int position, std::string_view name)>;

// An opened workbook package: its worksheets by position (worksheets only,
// as the spreadsheet's collection of worksheets counts them; chart sheets
// and macro sheets are passed over), parsed on first use, and the package
// rebuilt from them at the end.
class XlsxWorkbook {
 public:
  // path only names the workbook in messages. Raises Error when the package
  // is damaged: no zip, no workbook part, a sheet without its part.
  XlsxWorkbook(std::string bytes, std::string path, KeptCachedColumn keptCachedColumn = {});

  // Raise Error when there is no worksheet at the position.
  const std::string& sheetName(int position);
  StoredValue cell(int position, int row, int column);
  void writeNumber(int position, int row, int column, double value);
  // The text of a shared string by its index as a cell stores it.
  std::string sharedString(const std::string& index);

  bool written() const { return written_; }
  const std::string& original() const { return package_.original(); }
  // The package with everything a written workbook needs besides its cells:
  // recalculation on opening, no stale cached results (but those of the
  // kept column), no calculation chain entries for cells that no longer
  // hold a formula.
  std::string save();

 private:
  struct Sheet {
    SheetEntry entry;
    std::string part;
    std::unique_ptr<WorksheetXml> xml;  // parsed on first use
    bool withoutFormulas = false;       // unpacked once and found to hold none
  };

  std::string damaged(const std::string& what) const;
  void requireOwnPartPerSheet(const std::vector<Relationship>& relationships, const std::string& relsPart) const;
  Sheet& sheet(int position);
  WorksheetXml& worksheet(int position);
  void parse(Sheet& s, XmlText xml);
  void parseFormulaSheets(int position);
  void finishWorksheets();
  void dropCalcChainCells();

  std::string path_;
  KeptCachedColumn keptCachedColumn_;
  ZipPackage package_;
  std::string workbookPart_;
  std::unique_ptr<WorkbookXml> workbook_;
  std::vector<Sheet> sheets_;
  std::string sharedStringsPart_;
  std::optional<std::vector<std::string>> sharedStrings_;
  std::string calcChainPart_;
  std::string calcChainRelationshipId_;
  std::set<ChainCell> replacedFormulas_;
  bool written_ = false;
};

}  // namespace kalkora
