#include "model/amount_steps.h"

#include "platform/cp1250.h"
#include "platform/number.h"

namespace kalkora::amount {

std::string removeFirst(std::string text, char32_t c, int times) {
  if (c < 0x80) {
    for (int i = 0; i < times; ++i) {
      const auto pos = text.find(static_cast<char>(c));
      if (pos == std::string::npos) break;
      text.erase(pos, 1);
    }
    return text;
  }
  const std::string needle = encodeUtf8(std::u32string(1, c));
  for (int i = 0; i < times; ++i) {
    const auto pos = text.find(needle);
    if (pos == std::string::npos) break;
    text.erase(pos, needle.size());
  }
  return text;
}

std::string removeQuotes(std::string text) { return removeFirst(std::move(text), U'"', 2); }

std::string removeSpaces(std::string text) { return removeFirst(std::move(text), U' ', 5); }

namespace {

// Every thousands separator of the regional settings replaced by `with`, in
// one pass: a field of a million separators must not cost a million moves of
// the rest of the text.
std::string replaceThousandsSeparators(const std::string& text, const Regional& regional, std::string_view with) {
  if (regional.thousandsSeparator == 0) return text;
  const std::string needle = encodeUtf8(std::u32string(1, regional.thousandsSeparator));
  std::string out;
  out.reserve(text.size());
  size_t from = 0;
  for (auto pos = text.find(needle); pos != std::string::npos; pos = text.find(needle, from)) {
    out.append(text, from, pos - from);
    out += with;
    from = pos + needle.size();
  }
  out.append(text, from, std::string::npos);
  return out;
}

}  // namespace

std::string removeThousandsSeparators(std::string text, const Regional& regional) {
  return replaceThousandsSeparators(text, regional, "");
}

std::string markThousandsSeparators(std::string text, const Regional& regional) {
  return replaceThousandsSeparators(text, regional, "x");
}

std::string checkCharacters(std::string text, int lowest) {
  bool rejected = false;
  forEachCodePoint(text, [&](char32_t c) {
    const int code = cp1250Code(c);
    rejected = rejected || (code >= lowest && code <= 43) || (code >= 58 && code <= 127);
  });
  return rejected ? std::string() : text;
}

std::string zeroTest(std::string text) {
  if (text.empty() || text == "0,00" || text == "0.0") return "0";
  return text;
}

std::string applyCoefficient(std::string text, const std::string& coefficient, const Regional& regional) {
  if (coefficient.empty()) return text;
  const auto factor = parseNumber(coefficient, regional.decimalSeparator);
  const auto value = parseNumber(text, regional.decimalSeparator);
  if (!factor || !value) return text;
  return formatWhole(*value * *factor);
}

std::string rewriteDecimalPoint(std::string text) {
  const auto dot = text.find('.');
  if (dot == std::string::npos) return text;
  const std::u32string rest = decodeUtf8(std::string_view(text).substr(dot + 1));
  return text.substr(0, dot) + "," + encodeUtf8(std::u32string_view(rest).substr(0, 2));
}

}  // namespace kalkora::amount
