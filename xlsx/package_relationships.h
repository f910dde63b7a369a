#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

// One relationship of a package part, its target resolved to a part name
// without the leading "/" ("xl/worksheets/sheet1.xml").
struct Relationship {
  std::string id;
  std::string type;
  std::string target;
  bool external = false;
  // Whether the type names this kind ("worksheet", "calcChain"), in the
  // transitional and the strict namespace alike.
  bool isOfKind(std::string_view kind) const;
};

// "xl/workbook.xml" -> "xl/_rels/workbook.xml.rels"; "" (the package) -> "_rels/.rels".
std::string relationshipsPartOf(std::string_view part);

// The relationships in a .rels part, targets resolved against sourcePart.
// workbook and relsPart only name things in messages.
std::vector<Relationship> parseRelationships(std::string_view xml, std::string_view sourcePart,
                                             const std::string& workbook, const std::string& relsPart);

// The .rels part without the relationship of that id.
std::string withoutRelationship(std::string_view xml, std::string_view id, const std::string& workbook,
                                const std::string& relsPart);
// [Content_Types].xml without the override of that part.
std::string withoutContentTypeOverride(std::string_view xml, std::string_view part, const std::string& workbook);

}  // namespace kalkora
