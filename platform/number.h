#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace kalkora {

// Text to number, one rule everywhere: optional blanks, optional sign, digits
// with at most one decimal separator, optional exponent, optional blanks.
// Anything else, a thousands separator included, fails.
std::optional<double> parseNumber(std::string_view text, char32_t decimalSeparator);

// A whole number rounded half away from zero, "-" for negatives, no grouping.
std::string formatWhole(double value);

// The shortest text that reads back as the same number: digits alone for a
// whole number ("12"), the given decimal separator otherwise ("12,5").
std::string formatShortest(double value, char32_t decimalSeparator);

// A box or settings value read as an integer: optional blanks and sign,
// decimal digits, or hexadecimal after "0x" or "$".
std::optional<long long> parseInteger(std::string_view text);

// The same, raising Error with the invalid-integer message when it fails.
long long toInteger(std::string_view text);

// "„abc“ není platné celé číslo."
std::string invalidIntegerMessage(std::string_view text);

}  // namespace kalkora
