#pragma once
#include <pugixml.hpp>
#include <memory>
#include <string>
#include <string_view>

namespace kalkora {

// Loads an XML part of a package so that writing it back changes nothing but
// what we edit: the declaration, whitespace, comments and processing
// instructions are kept. No document type is expanded. Raises Error naming
// the workbook and the part when it is not well-formed.
void loadPart(pugi::xml_document& doc, std::string_view bytes, const std::string& workbook,
              const std::string& part);

// The text of a part in memory from pugixml's allocation function, so that
// a document can parse it in place and keep it (no copy of a big part, and
// the text shares the document's memory).
struct XmlText {
  struct Free {
    void operator()(char* bytes) const { pugi::get_memory_deallocation_function()(bytes); }
  };
  std::unique_ptr<char[], Free> bytes;
  size_t size = 0;

  XmlText() = default;
  // Raises std::bad_alloc when there is no memory for it.
  explicit XmlText(size_t size);
  explicit XmlText(std::string_view text);
  std::string_view view() const { return {bytes.get(), size}; }
};

// The same as loadPart, parsing in the text itself, which doc takes over.
void loadPartInPlace(pugi::xml_document& doc, XmlText text, const std::string& workbook, const std::string& part);
// sizeHint: the expected size, so the text is not copied as it grows.
std::string savePart(const pugi::xml_document& doc, size_t sizeHint = 0);

// Element names of the spreadsheet schema appear with or without a prefix
// ("sheetData", "x:sheetData"); these compare and build names by their
// local part, using the prefix of the document's root.
std::string_view localName(pugi::xml_node node);
std::string prefixOf(pugi::xml_node node);
pugi::xml_node childByLocalName(pugi::xml_node parent, std::string_view local);

}  // namespace kalkora

namespace kalkora {

// The text of a string item (a shared string or an inline string): its <t>,
// or its rich-text runs joined; phonetic hints left out; the _xHHHH_ escapes
// of control characters decoded.
std::string stringItemText(pugi::xml_node item);

}  // namespace kalkora
