#pragma once
#include <span>

namespace kalkora {

// The part of a financial statement a CSV statement file holds.
enum class StatementPart { Assets, Liabilities, Income };

// One item of "Vybrat typ výkazu:" on the tab "Csv soubor výkazů": the
// official line numbers firstLine..lastLine that the reader gives the data
// lines in file order, and the line numbers of its sum lines.
struct CsvStatementType {
  const char* caption;
  StatementPart part;
  int firstLine, lastLine;
  std::span<const int> sumLines;

  int stopLine() const { return lastLine + 1; }
  bool isSumLine(int line) const;
};

// The nine types by item index: Czech layout 2015, Czech layout from
// 1 January 2016 and the Slovak layout, each as assets, liabilities and
// income statement.
std::span<const CsvStatementType> csvStatementTypes();
// The type at a radio-group index, nullptr for -1 or an index out of range.
const CsvStatementType* csvStatementType(int index);

// The XML readers number their lines on the same layouts, so their sum
// lines are those of the CSV types: the Slovak layout for RUZ files, the
// Czech layout from 2016 for tax-portal returns. A balance-sheet line number
// runs through assets and liabilities (liabilities continue the numbering).
bool isSlovakBalanceSumLine(int line);
bool isSlovakIncomeSumLine(int line);
bool isCzechBalanceSumLine(int line);
bool isCzechIncomeSumLine(int line);

// The lines that total each side of the balance sheet: total assets is line
// 1 on both layouts, total liabilities line 78 on the Czech layout from 2016
// and line 79 on the Slovak one.
inline constexpr int kTotalAssetsLine = 1;
inline constexpr int kCzechTotalLiabilitiesLine = 78;
inline constexpr int kSlovakTotalLiabilitiesLine = 79;

}  // namespace kalkora
