#include "xlsx/xml_part.h"

#include <strings.h>

#include <cstring>
#include <new>

#include "platform/cp1250.h"
#include "platform/error.h"

namespace kalkora {

namespace {

constexpr unsigned kPartOptions = pugi::parse_default | pugi::parse_declaration | pugi::parse_ws_pcdata |
                                  pugi::parse_comments | pugi::parse_pi;

void checkLoaded(const pugi::xml_document& doc, const pugi::xml_parse_result& result, const std::string& workbook,
                 const std::string& part) {
  if (!result || !doc.document_element())
    throw Error("Sešit " + workbook + " je poškozený: část " + part + " není platné XML (" +
                std::to_string(result.offset) + ". bajt).");
}

}  // namespace

void loadPart(pugi::xml_document& doc, std::string_view bytes, const std::string& workbook,
              const std::string& part) {
  checkLoaded(doc, doc.load_buffer(bytes.data(), bytes.size(), kPartOptions), workbook, part);
}

XmlText::XmlText(size_t n) : bytes(static_cast<char*>(pugi::get_memory_allocation_function()(n == 0 ? 1 : n))), size(n) {
  if (!bytes) throw std::bad_alloc();
}

XmlText::XmlText(std::string_view text) : XmlText(text.size()) {
  if (!text.empty()) std::memcpy(bytes.get(), text.data(), text.size());
}

void loadPartInPlace(pugi::xml_document& doc, XmlText text, const std::string& workbook, const std::string& part) {
  // A text that comes first in its element (a cell's value, a formula) is
  // kept in the element instead of a node of its own: a third fewer nodes
  // in a big worksheet. It is written back as it stood.
  const size_t size = text.size;
  checkLoaded(doc, doc.load_buffer_inplace_own(text.bytes.release(), size, kPartOptions | pugi::parse_embed_pcdata),
              workbook, part);
}

std::string savePart(const pugi::xml_document& doc, size_t sizeHint) {
  // The text is written as UTF-8 whatever the part was, so the declaration
  // must not name another encoding.
  const pugi::xml_node declaration = doc.first_child();
  if (declaration.type() == pugi::node_declaration) {
    pugi::xml_attribute encoding = declaration.attribute("encoding");
    if (encoding && strcasecmp(encoding.value(), "UTF-8") != 0) encoding.set_value("UTF-8");
  }
  struct Writer : pugi::xml_writer {
    std::string text;
    void write(const void* data, size_t size) override { text.append(static_cast<const char*>(data), size); }
  } writer;
  writer.text.reserve(sizeHint);
  doc.save(writer, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  return std::move(writer.text);
}

std::string_view localName(pugi::xml_node node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

std::string prefixOf(pugi::xml_node node) {
  const std::string_view name = node.name();
  const auto colon = name.find(':');
  return colon == std::string_view::npos ? std::string() : std::string(name.substr(0, colon + 1));
}

pugi::xml_node childByLocalName(pugi::xml_node parent, std::string_view local) {
  for (pugi::xml_node child = parent.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element && localName(child) == local) return child;
  return {};
}

}  // namespace kalkora

namespace kalkora {
namespace {

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

void appendDecoded(std::string& out, std::string_view text) {
  size_t i = 0;
  while (i < text.size()) {
    if (text[i] == '_' && i + 6 < text.size() && text[i + 1] == 'x' && text[i + 6] == '_') {
      unsigned code = 0;
      bool hex = true;
      for (size_t k = i + 2; k < i + 6; ++k) {
        const int d = hexDigit(text[k]);
        hex = hex && d >= 0;
        code = code * 16 + static_cast<unsigned>(d < 0 ? 0 : d);
      }
      if (hex && (code < 0xD800 || code > 0xDFFF)) {
        out += encodeUtf8(std::u32string(1, static_cast<char32_t>(code)));
        i += 7;
        continue;
      }
    }
    out += text[i++];
  }
}

}  // namespace

std::string stringItemText(pugi::xml_node item) {
  std::string text;
  for (pugi::xml_node child = item.first_child(); child; child = child.next_sibling()) {
    const std::string_view local = localName(child);
    if (local == "t") {
      appendDecoded(text, child.child_value());
    } else if (local == "r") {
      appendDecoded(text, childByLocalName(child, "t").child_value());
    }
  }
  return text;
}

}  // namespace kalkora
