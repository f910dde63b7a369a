#pragma once
#include <string>

namespace kalkora {

class Spreadsheet;

// Where the exports find things in a Kalkora workbook. Each lookup reads the
// sheet name once per name it compares, as the workbook is asked for it; a
// match at the later position wins; 0 when nothing matches, which makes the
// first write into that sheet fail.
int findBalanceSheet(Spreadsheet& spreadsheet);  // position 2 or 3
int findIncomeSheet(Spreadsheet& spreadsheet);   // position 3 or 4

// The periods of a Kalkora workbook, 1 to 20 in columns 7 to 26; the period
// box's up-down runs from 0 to kLastPeriod.
inline constexpr int kLastPeriod = 20;

// The period box's text as the workbook column it fills: period + 6.
// Raises Error with kPeriodRangeMessage when the text is not an integer.
int periodColumn(const std::string& periodText);

inline constexpr const char* kPeriodRangeMessage =
    "V okénku „Číslo období ve Kalkora“ musí být celé číslo od 1 do 20. Doplňte číslo sloupce ve Kalkora.";

// A row given as text (a definition record's characters 4 to 6, a P 5-01
// target) as the spreadsheet takes it: a whole number from 1, blanks around
// it allowed. Anything else raises Error.
int spreadsheetRow(const std::string& rowText);

}  // namespace kalkora
