#include "platform/xml_file.h"

#include <algorithm>
#include <cctype>

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

std::string trimXmlSpace(std::string_view text) {
  constexpr std::string_view kSpace = " \t\r\n";
  const auto first = text.find_first_not_of(kSpace);
  if (first == std::string_view::npos) return {};
  return std::string(text.substr(first, text.find_last_not_of(kSpace) - first + 1));
}

}  // namespace

XmlLoadResult loadXml(pugi::xml_document& doc, std::string_view bytes) {
  XmlLoadResult result;
  std::string converted;
  pugi::xml_encoding encoding = pugi::encoding_auto;
  const std::string declared = declaredEncoding(bytes);
  if (declared == "windows-1250" || declared == "cp1250") {
    converted = cp1250ToUtf8(bytes);
    encoding = pugi::encoding_utf8;
  } else if (declared == "iso-8859-2" || declared == "iso8859-2" || declared == "latin2") {
    converted = iso8859_2ToUtf8(bytes);
    encoding = pugi::encoding_utf8;
  }
  const std::string_view input = converted.empty() ? bytes : std::string_view(converted);
  // parse_default without parse_doctype: a DOCTYPE is skipped, not expanded.
  const unsigned options = pugi::parse_default & ~pugi::parse_doctype;
  const pugi::xml_parse_result parsed = doc.load_buffer(input.data(), input.size(), options, encoding);
  if (parsed) {
    if (!doc.document_element()) {
      result.status = XmlLoadResult::Status::Empty;
      result.message = "Soubor XML neobsahuje žádný element.";
    }
    return result;
  }
  result.offset = parsed.offset;
  if (parsed.status == pugi::status_no_document_element) {
    result.status = XmlLoadResult::Status::Empty;
    result.message = "Soubor XML neobsahuje žádný element.";
  } else if (parsed.status == pugi::status_out_of_memory || parsed.status == pugi::status_internal_error) {
    result.status = XmlLoadResult::Status::Unsupported;
    result.message = "Soubor XML nelze načíst: nedostatek paměti.";
  } else {
    result.status = XmlLoadResult::Status::NotWellFormed;
    result.message = "Soubor XML není správně utvořený (chyba na pozici " + std::to_string(parsed.offset) + ").";
  }
  return result;
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
