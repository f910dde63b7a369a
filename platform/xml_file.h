#pragma once
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace kalkora {

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
// False when the bytes are no well-formed document with a root element: the
// readers then report that the file lacks the structure they expect, which
// is what the user can act on, whatever the parser's reason.
bool loadXml(pugi::xml_document& doc, std::string_view bytes, XmlNodes nodes = XmlNodes::ElementsAndText);

// What bytes that did not load as XML hold, so a reader can tell the user
// what the file is: something that begins as XML does (a broken or
// truncated document; also an empty file), JSON (an object or an array),
// or anything else.
enum class NonXmlContent { BrokenXml, Json, Other };
NonXmlContent classifyNonXml(std::string_view bytes);

// The text of a node as a DOM parser gives it: the text of all its
// descendants in document order, without leading and trailing white space.
// "" for an empty (absent) node.
std::string xmlText(pugi::xml_node node);

}  // namespace kalkora
