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

// The nodes a loaded document holds besides elements and text: a walk over
// sibling nodes that counts them needs comments and processing instructions
// too, as a DOM parser presents them.
enum class XmlNodes { ElementsAndText, All };

// Parses XML from bytes into doc. A document that declares windows-1250 or
// iso-8859-2 is transcoded to UTF-8 first (pugixml does not know those code
// pages), and so is one that should be UTF-8 (no declared encoding, or UTF-8)
// but is not valid UTF-8: such files come from programs that write the
// system's code page and forget to say so. UTF-16 is handled by pugixml.
// A document type declaration is skipped; entities other than the five
// predefined ones and character references are never expanded.
XmlLoadResult loadXml(pugi::xml_document& doc, std::string_view bytes,
                      XmlNodes nodes = XmlNodes::ElementsAndText);

// The text of a node as a DOM parser gives it: the text of all its
// descendants in document order, without leading and trailing white space.
// "" for an empty (absent) node.
std::string xmlText(pugi::xml_node node);

}  // namespace kalkora
