#pragma once
#include <string>

#include "platform/regional.h"

namespace kalkora::amount {

// The text steps that turn a source field into an amount text with a decimal
// comma. Every reader composes the ones it needs, in its own order.

// Removes the first double quote, then once more (at most two go).
std::string removeQuotes(std::string text);
// Removes the first occurrence of c, `times` times.
std::string removeFirst(std::string text, char32_t c, int times);
// Removes every thousands separator of the regional settings.
std::string removeThousandsSeparators(std::string text, const Regional& regional);
// Replaces every thousands separator of the regional settings by "x", so the
// amount no longer reads as a number.
std::string markThousandsSeparators(std::string text, const Regional& regional);
// Removes the first space, five times.
std::string removeSpaces(std::string text);
// Empties the text if it holds a character whose windows-1250 code lies in
// lowest..43 or 58..127. Readers pass 0; the second turnover column passes 21.
std::string checkCharacters(std::string text, int lowest = 0);
// "", "0", "0,00" and "0.0" become "0".
std::string zeroTest(std::string text);
// With a non-empty coefficient: amount × coefficient, both read with the
// regional decimal separator, as a whole number rounded half away from zero.
// Either text not a number: the amount stays as it is.
std::string applyCoefficient(std::string text, const std::string& coefficient, const Regional& regional);
// "1234.567" -> "1234,56": the first "." becomes "," and at most two
// characters follow it.
std::string rewriteDecimalPoint(std::string text);
// Debit minus credit: two amount texts with a decimal comma, an empty one
// counting as 0, give their difference with no more decimals than the more
// precise of them ("1500,50" and "2000" give "-499,5"). A text that is no
// number comes back as it is, so the table shows it and the export refuses it.
std::string difference(const std::string& minuend, const std::string& subtrahend);

}  // namespace kalkora::amount
