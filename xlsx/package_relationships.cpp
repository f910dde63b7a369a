#include "xlsx/package_relationships.h"

#include <cctype>
#include <pugixml.hpp>

#include "xlsx/xml_part.h"

namespace kalkora {
namespace {

// Resolves "../x.xml", "worksheets/sheet1.xml" or "/xl/x.xml" against the
// folder of the source part.
std::string resolveTarget(std::string_view source, std::string_view target) {
  std::vector<std::string> segments;
  if (!target.starts_with('/')) {
    const auto slash = source.rfind('/');
    std::string_view folder = slash == std::string_view::npos ? std::string_view() : source.substr(0, slash);
    while (!folder.empty()) {
      const auto next = folder.find('/');
      segments.emplace_back(folder.substr(0, next));
      folder = next == std::string_view::npos ? std::string_view() : folder.substr(next + 1);
    }
  }
  while (!target.empty()) {
    const auto next = target.find('/');
    const std::string_view segment = target.substr(0, next);
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
    } else if (!segment.empty() && segment != ".") {
      segments.emplace_back(segment);
    }
    target = next == std::string_view::npos ? std::string_view() : target.substr(next + 1);
  }
  std::string part;
  for (const auto& segment : segments) part += (part.empty() ? "" : "/") + segment;
  return part;
}

bool sameName(std::string_view a, std::string_view b) {
  if (a.starts_with('/')) a.remove_prefix(1);
  if (b.starts_with('/')) b.remove_prefix(1);
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
      return false;
  return true;
}

}  // namespace

bool Relationship::isOfKind(std::string_view kind) const {
  return type.size() > kind.size() && type.ends_with(kind) && type[type.size() - kind.size() - 1] == '/';
}

std::string relationshipsPartOf(std::string_view part) {
  const auto slash = part.rfind('/');
  const std::string folder = slash == std::string_view::npos ? "" : std::string(part.substr(0, slash + 1));
  const std::string name(slash == std::string_view::npos ? part : part.substr(slash + 1));
  return folder + "_rels/" + name + ".rels";
}

std::vector<Relationship> parseRelationships(std::string_view xml, std::string_view sourcePart,
                                             const std::string& workbook, const std::string& relsPart) {
  pugi::xml_document doc;
  loadPart(doc, xml, workbook, relsPart);
  std::vector<Relationship> relationships;
  for (const pugi::xml_node r : doc.document_element().children()) {
    if (localName(r) != "Relationship") continue;
    Relationship rel{r.attribute("Id").value(), r.attribute("Type").value(), r.attribute("Target").value(),
                     std::string_view(r.attribute("TargetMode").value()) == "External"};
    if (!rel.external) rel.target = resolveTarget(sourcePart, rel.target);
    relationships.push_back(std::move(rel));
  }
  return relationships;
}

std::string withoutRelationship(std::string_view xml, std::string_view id, const std::string& workbook,
                                const std::string& relsPart) {
  pugi::xml_document doc;
  loadPart(doc, xml, workbook, relsPart);
  for (const pugi::xml_node r : doc.document_element().children())
    if (localName(r) == "Relationship" && id == r.attribute("Id").value()) {
      doc.document_element().remove_child(r);
      break;
    }
  return savePart(doc);
}

std::string withoutContentTypeOverride(std::string_view xml, std::string_view part, const std::string& workbook) {
  pugi::xml_document doc;
  loadPart(doc, xml, workbook, "[Content_Types].xml");
  for (const pugi::xml_node o : doc.document_element().children())
    if (localName(o) == "Override" && sameName(o.attribute("PartName").value(), part)) {
      doc.document_element().remove_child(o);
      break;
    }
  return savePart(doc);
}

}  // namespace kalkora
