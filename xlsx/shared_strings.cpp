#include "xlsx/shared_strings.h"

#include <pugixml.hpp>

#include "xlsx/xml_part.h"

namespace kalkora {

std::vector<std::string> parseSharedStrings(std::string_view xml, const std::string& workbook,
                                            const std::string& part) {
  pugi::xml_document doc;
  loadPart(doc, xml, workbook, part);
  std::vector<std::string> texts;
  for (const pugi::xml_node si : doc.document_element().children())
    if (si.type() == pugi::node_element && localName(si) == "si") texts.push_back(stringItemText(si));
  return texts;
}

}  // namespace kalkora
