#include "model/amount_steps.h"

#include <algorithm>
#include <cmath>
#include <optional>

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
// one pass and in place (`with` is never longer than the separator): a field
// of a million separators must not cost a million moves of the rest of the
// text, nor any field a new string.
std::string replaceThousandsSeparators(std::string text, const Regional& regional, std::string_view with) {
  if (regional.thousandsSeparator == 0) return text;
  const std::string needle = encodeUtf8(std::u32string(1, regional.thousandsSeparator));
  size_t in = text.find(needle);
  if (in == std::string::npos) return text;
  size_t out = in;
  while (in < text.size()) {
    if (text.compare(in, needle.size(), needle) == 0) {
      out = static_cast<size_t>(std::copy(with.begin(), with.end(), text.begin() + static_cast<std::ptrdiff_t>(out)) -
                                text.begin());
      in += needle.size();
    } else {
      text[out++] = text[in++];
    }
  }
  text.resize(out);
  return text;
}

}  // namespace

std::string removeThousandsSeparators(std::string text, const Regional& regional) {
  return replaceThousandsSeparators(std::move(text), regional, "");
}

std::string markThousandsSeparators(std::string text, const Regional& regional) {
  return replaceThousandsSeparators(std::move(text), regional, "x");
}

std::string checkCharacters(std::string text, int lowest) {
  bool rejected = false;
  forEachCodePoint(text, [&](char32_t c) {
    const int code = c < 0x80 ? static_cast<int>(c) : cp1250Code(c);
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
  // An invalid byte reads as U+FFFD, and is kept as one.
  if (!isValidUtf8(std::string_view(text).substr(dot + 1)))
    text.replace(dot + 1, std::string::npos, encodeUtf8(decodeUtf8(std::string_view(text).substr(dot + 1))));
  text[dot] = ',';
  size_t end = dot + 1;
  for (int kept = 0; kept < 2 && end < text.size(); ++kept) nextCodePoint(text, end);
  text.resize(end);
  return text;
}

namespace {

size_t decimalsOf(std::string_view text) {
  const auto comma = text.find(',');
  return comma == std::string_view::npos ? 0 : text.size() - comma - 1;
}

}  // namespace

std::string difference(const std::string& minuend, const std::string& subtrahend) {
  const auto number = [](const std::string& text) {
    return text.empty() ? std::optional<double>(0) : parseNumber(text, U',');
  };
  const auto debit = number(minuend), credit = number(subtrahend);
  if (!debit) return minuend;
  if (!credit) return subtrahend;
  // Binary fractions would show 1234,56 - 0,01 as 1234,5499999999997:
  // the difference is rounded to the decimals its amounts had.
  double value = *debit - *credit;
  if (const size_t decimals = std::max(decimalsOf(minuend), decimalsOf(subtrahend)); decimals <= 15) {
    const double scale = std::pow(10.0, static_cast<double>(decimals));
    value = std::round(value * scale) / scale + 0.0;  // + 0.0: no "-0"
  }
  return formatShortest(value, U',');
}

}  // namespace kalkora::amount
