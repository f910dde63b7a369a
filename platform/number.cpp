#include "platform/number.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <cstdio>
#include <limits>

#include "platform/cp1250.h"
#include "platform/error.h"

namespace kalkora {
namespace {

bool isBlank(char32_t c) { return c == U' ' || c == U'\t'; }
bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

std::optional<double> parseNumber(std::string_view text, char32_t decimalSeparator) {
  const std::u32string s = decodeUtf8(text);
  size_t i = 0, n = s.size();
  while (i < n && isBlank(s[i])) ++i;
  while (n > i && isBlank(s[n - 1])) --n;
  std::string ascii;
  if (i < n && (s[i] == U'+' || s[i] == U'-')) ascii += static_cast<char>(s[i++]);
  int digits = 0;
  bool seenSeparator = false;
  for (; i < n; ++i) {
    if (isDigit(s[i])) {
      ascii += static_cast<char>(s[i]);
      ++digits;
    } else if (s[i] == decimalSeparator && !seenSeparator) {
      ascii += '.';
      seenSeparator = true;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (s[i] == U'e' || s[i] == U'E')) {
    ascii += 'e';
    ++i;
    if (i < n && (s[i] == U'+' || s[i] == U'-')) ascii += static_cast<char>(s[i++]);
    int expDigits = 0;
    for (; i < n && isDigit(s[i]); ++i, ++expDigits) ascii += static_cast<char>(s[i]);
    if (expDigits == 0) return std::nullopt;
  }
  if (i != n) return std::nullopt;
  double value = 0;
  const char* begin = ascii.data() + (ascii[0] == '+' ? 1 : 0);
  const auto [ptr, ec] = std::from_chars(begin, ascii.data() + ascii.size(), value);
  if (ec != std::errc() || ptr != ascii.data() + ascii.size() || !std::isfinite(value)) return std::nullopt;
  return value;
}

std::string formatWhole(double value) {
  // A product such as 0.285 * 1000 lands a hair below the half it means;
  // treat anything within a few ulps of a half as that half.
  const double floorValue = std::floor(value);
  const double frac = value - floorValue;
  const double tolerance = std::max(1e-9, 8 * std::numeric_limits<double>::epsilon() * std::fabs(value));
  double rounded;
  if (std::fabs(frac - 0.5) <= tolerance)
    rounded = value < 0 ? floorValue : floorValue + 1;
  else
    rounded = std::round(value);
  if (rounded == 0) rounded = 0;  // no "-0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.0f", rounded);
  return buf;
}

std::string formatShortest(double value, char32_t decimalSeparator) {
  if (value == 0) return "0";
  char buf[64];
  // A whole number reads as its digits, also where the exponent form would
  // be shorter (200000, not 2e+05).
  const bool whole = std::abs(value) < 1e15 && value == std::trunc(value);
  const auto [ptr, ec] = whole ? std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed)
                               : std::to_chars(buf, buf + sizeof buf, value);
  std::string text(buf, ec == std::errc() ? ptr : buf);
  const auto dot = text.find('.');
  if (dot != std::string::npos) text.replace(dot, 1, encodeUtf8(std::u32string(1, decimalSeparator)));
  return text;
}

std::optional<long long> parseInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  size_t end = text.size();
  while (end > i && (text[end - 1] == ' ' || text[end - 1] == '\t')) --end;
  text = text.substr(i, end - i);
  bool negative = false;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
    negative = text[0] == '-';
    text.remove_prefix(1);
  }
  int base = 10;
  if (text.starts_with("0x") || text.starts_with("0X")) {
    base = 16;
    text.remove_prefix(2);
  } else if (text.starts_with("$")) {
    base = 16;
    text.remove_prefix(1);
  }
  if (text.empty()) return std::nullopt;
  unsigned long long value = 0;
  const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
  if (ec != std::errc() || ptr != text.data() + text.size()) return std::nullopt;
  if (value > static_cast<unsigned long long>(std::numeric_limits<long long>::max())) return std::nullopt;
  const auto v = static_cast<long long>(value);
  return negative ? -v : v;
}

long long toInteger(std::string_view text) {
  const auto value = parseInteger(text);
  if (!value) throw Error(invalidIntegerMessage(text));
  return *value;
}

std::string invalidIntegerMessage(std::string_view text) {
  return "„" + std::string(text) + "“ není platné celé číslo.";
}

}  // namespace kalkora
