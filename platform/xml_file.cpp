#include "platform/xml_file.h"

#include <algorithm>
#include <cctype>
#include <optional>

#include "platform/cp1250.h"
#include "platform/iso8859_2.h"

namespace kalkora {
namespace {

std::string lower(std::string_view s) {
  std::string out(s);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::tolower(c); });
  return out;
}

// The encoding named in the XML declaration, lower-case, or "".
std::string declaredEncoding(std::string_view bytes) {
  if (!bytes.starts_with("<?xml")) return "";
  const auto end = bytes.find("?>");
  if (end == std::string_view::npos) return "";
  const std::string decl = lower(bytes.substr(0, end));
  const auto pos = decl.find("encoding");
  if (pos == std::string::npos) return "";
  const auto quote = decl.find_first_of("\"'", pos);
  if (quote == std::string::npos) return "";
  const auto close = decl.find(decl[quote], quote + 1);
  if (close == std::string::npos) return "";
  return decl.substr(quote + 1, close - quote - 1);
}

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// UTF-16 and UTF-32 show themselves by a byte-order mark or by zero bytes
// around the first "<"; pugixml reads them on its own.
bool wideEncoding(std::string_view bytes) {
  if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return true;
  return bytes.substr(0, 4).find('\0') != std::string_view::npos;
}

// The bytes as UTF-8 when they are not that already: a declared code page
// pugixml does not know, or 8-bit text that should be UTF-8 and is not.
std::optional<std::string> transcoded(std::string_view bytes) {
  if (wideEncoding(bytes)) return std::nullopt;
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const std::string declared = declaredEncoding(bytes);
  if (declared == "windows-1250" || declared == "cp1250") return cp1250ToUtf8(bytes);
  if (declared == "iso-8859-2" || declared == "iso8859-2" || declared == "latin2") return iso8859_2ToUtf8(bytes);
  if ((declared.empty() || declared == "utf-8" || declared == "utf8") && !isValidUtf8(bytes))
    return cp1250ToUtf8(bytes);
  return std::nullopt;
}

constexpr std::string_view kSpace = " \t\r\n";

std::string trimXmlSpace(std::string_view text) {
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kSpace) - first + 1));
}

}  // namespace

bool loadXml(pugi::xml_document& doc, std::string_view bytes, XmlNodes nodes) {
  const std::optional<std::string> converted = transcoded(bytes);
  const std::string_view input = converted ? std::string_view(*converted) : bytes;
  const pugi::xml_encoding encoding = converted ? pugi::encoding_utf8 : pugi::encoding_auto;
  // parse_default without parse_doctype: a DOCTYPE is skipped, not expanded.
  unsigned options = pugi::parse_default & ~pugi::parse_doctype;
  if (nodes == XmlNodes::All) options |= pugi::parse_comments | pugi::parse_pi;
  return doc.load_buffer(input.data(), input.size(), options, encoding) && doc.document_element();
}

NonXmlContent classifyNonXml(std::string_view bytes) {
  // UTF-16 and UTF-32 are left to the parser, which knows them: such bytes
  // that failed are a broken document.
  if (wideEncoding(bytes)) return NonXmlContent::BrokenXml;
  if (bytes.starts_with(kUtf8Bom)) bytes.remove_prefix(kUtf8Bom.size());
  const auto first = bytes.find_first_not_of(kSpace);
  if (first == std::string_view::npos || bytes[first] == '<') return NonXmlContent::BrokenXml;
  if (bytes[first] == '{' || bytes[first] == '[') return NonXmlContent::Json;
  return NonXmlContent::Other;
}

std::string xmlText(pugi::xml_node node) {
  if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) return trimXmlSpace(node.value());
  std::string text;
  for (pugi::xml_node n = node.first_child(); n;) {
    if (n.type() == pugi::node_pcdata || n.type() == pugi::node_cdata) text += n.value();
    if (n.first_child()) {
      n = n.first_child();
      continue;
    }
    while (n && n != node && !n.next_sibling()) n = n.parent();
    if (!n || n == node) break;
    n = n.next_sibling();
  }
  return trimXmlSpace(text);
}

}  // namespace kalkora
