#include "xlsx/calc_chain.h"

#include <pugixml.hpp>

#include "xlsx/xml_part.h"

namespace kalkora {

std::optional<std::string> withoutChainCells(std::string_view xml, const std::set<ChainCell>& cells,
                                             const std::string& workbook, const std::string& part) {
  pugi::xml_document doc;
  loadPart(doc, xml, workbook, part);
  pugi::xml_node root = doc.document_element();
  std::string sheet;
  bool left = false;
  for (pugi::xml_node c = root.first_child(); c;) {
    const pugi::xml_node next = c.next_sibling();
    if (c.type() == pugi::node_element && localName(c) == "c") {
      if (const pugi::xml_attribute i = c.attribute("i")) {
        sheet = i.value();
      } else if (!sheet.empty()) {
        c.append_attribute("i").set_value(sheet.c_str());
      }
      if (cells.count({sheet, c.attribute("r").value()})) {
        root.remove_child(c);
      } else {
        left = true;
      }
    }
    c = next;
  }
  if (!left) return std::nullopt;
  return savePart(doc);
}

}  // namespace kalkora
