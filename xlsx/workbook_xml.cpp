#include "xlsx/workbook_xml.h"

#include <array>
#include <algorithm>

#include "xlsx/xml_part.h"
#include "platform/error.h"

namespace kalkora {
namespace {

// The relationship id is r:id, whatever prefix the file gives the namespace.
std::string relationshipIdOf(pugi::xml_node sheet) {
  for (const pugi::xml_attribute a : sheet.attributes()) {
    const std::string_view name = a.name();
    if (name.size() > 3 && name.ends_with(":id")) return a.value();
  }
  return {};
}

// The elements that come before calcPr in a workbook part.
constexpr std::array<std::string_view, 12> kBeforeCalcPr = {
    "fileVersion",        "fileSharing", "workbookPr",     "AlternateContent",   "revisionPtr",  "absPath",
    "workbookProtection", "bookViews",   "sheets",         "functionGroups",     "externalReferences", "definedNames"};

}  // namespace

WorkbookXml::WorkbookXml(std::string_view xml, const std::string& workbook, const std::string& part) {
  loadPart(doc_, xml, workbook, part);
  const pugi::xml_node sheets = childByLocalName(doc_.document_element(), "sheets");
  if (localName(doc_.document_element()) != "workbook" || !sheets)
    throw Error("Sešit " + workbook + " je poškozený: část " + part + " neobsahuje seznam listů.");
  for (const pugi::xml_node sheet : sheets.children()) {
    if (localName(sheet) != "sheet") continue;
    sheets_.push_back({sheet.attribute("name").value(), sheet.attribute("sheetId").value(), relationshipIdOf(sheet)});
  }
}

bool WorkbookXml::requestFullCalculationOnLoad() {
  pugi::xml_node root = doc_.document_element();
  pugi::xml_node calcPr = childByLocalName(root, "calcPr");
  if (!calcPr) {
    pugi::xml_node after;
    for (const pugi::xml_node child : root.children())
      if (child.type() == pugi::node_element && std::ranges::find(kBeforeCalcPr, localName(child)) != kBeforeCalcPr.end())
        after = child;
    const std::string name = prefixOf(root) + "calcPr";
    calcPr = after ? root.insert_child_after(name.c_str(), after) : root.prepend_child(name.c_str());
  }
  pugi::xml_attribute full = calcPr.attribute("fullCalcOnLoad");
  if (full && (std::string_view(full.value()) == "1" || std::string_view(full.value()) == "true")) return false;
  if (!full) full = calcPr.append_attribute("fullCalcOnLoad");
  full.set_value("1");
  return true;
}

std::string WorkbookXml::save() const { return savePart(doc_); }

}  // namespace kalkora
