#include "platform/text_file.h"

#include "platform/cp1250.h"

namespace kalkora {
namespace {
constexpr std::string_view kBom = "\xEF\xBB\xBF";
}

std::vector<std::string_view> splitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(text.substr(start, i - start));
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) lines.push_back(text.substr(start));
  return lines;
}

TextContent decodeText(std::string_view bytes) {
  TextContent content;
  std::string utf8;
  if (bytes.starts_with(kBom)) {
    content.encoding = Encoding::Utf8Bom;
    bytes.remove_prefix(kBom.size());
  } else if (isValidUtf8(bytes)) {
    content.encoding = Encoding::Utf8;
  } else {
    content.encoding = Encoding::Cp1250;
    utf8 = cp1250ToUtf8(bytes);
    bytes = utf8;
  }
  const auto views = splitLines(bytes);
  content.lines.reserve(views.size());
  for (auto v : views) content.lines.emplace_back(v);
  // Plain ASCII is valid UTF-8 too; it is written back as windows-1250 then,
  // which gives the same bytes and is what new files get.
  if (content.encoding == Encoding::Utf8 && utf8.empty()) {
    bool ascii = true;
    for (char c : bytes) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) content.encoding = Encoding::Cp1250;
  }
  return content;
}

std::string encodeText(const std::vector<std::string>& lines, Encoding encoding) {
  std::string out;
  if (encoding == Encoding::Utf8Bom) out += kBom;
  for (const auto& line : lines) {
    out += encoding == Encoding::Cp1250 ? utf8ToCp1250(line) : line;
    out += "\r\n";
  }
  return out;
}

}  // namespace kalkora
