#pragma once
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kalkora {

// The outcome of loading an XML source, in the manner of pugixml's own result:
// a status, the byte offset where parsing stopped and a Czech message.
struct XmlLoadResult {
  enum class Status { Ok, Empty, NotWellFormed, Unsupported };
  Status status = Status::Ok;
  std::ptrdiff_t offset = 0;
  std::string message;  // Czech, empty when Ok
  explicit operator bool() const { return status == Status::Ok; }
};

// Parses XML from bytes into doc. A document that declares windows-1250 or
// iso-8859-2 is transcoded to UTF-8 first (pugixml does not know those code
// pages); UTF-8 and UTF-16 with a byte-order mark are handled by pugixml.
// A document type declaration is skipped; entities other than the five
// predefined ones and character references are never expanded.
XmlLoadResult loadXml(pugi::xml_document& doc, std::string_view bytes);

// The text of a node as a DOM parser gives it: the text of all its
// descendants in document order, without leading and trailing white space.
// "" for an empty (absent) node.
std::string xmlText(pugi::xml_node node);

}  // namespace kalkora
