#pragma once
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// A sheet as workbook.xml lists it.
struct SheetEntry {
  std::string name;
  std::string sheetId;
  std::string relationshipId;
};

// The workbook part: its sheets in order and its calculation properties.
class WorkbookXml {
 public:
  // workbook and part only name things in messages.
  WorkbookXml(std::string_view xml, const std::string& workbook, const std::string& part);

  const std::vector<SheetEntry>& sheets() const { return sheets_; }
  // Asks the spreadsheet program to recalculate everything when it opens the
  // workbook (calcPr fullCalcOnLoad="1"). Returns whether the part changed.
  bool requestFullCalculationOnLoad();
  std::string save() const;

 private:
  pugi::xml_document doc_;
  std::vector<SheetEntry> sheets_;
};

}  // namespace kalkora
