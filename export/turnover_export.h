#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

class Spreadsheet;

// What the turnover export shows while it works: two progress bars (balance
// sheet, income statement) and a status line. The window draws them; this
// base shows nothing, which is what kalkora-cli needs.
class TurnoverExportProgress {
 public:
  enum class Bar { Balance, Income };
  virtual ~TurnoverExportProgress() = default;
  virtual void setMaximum(Bar, int /*maximum*/) {}
  virtual void setPosition(Bar, int /*position*/) {}
  virtual void setStatus(const std::string& /*text*/) {}
};

// NaplnDaty: for every record of the balance-sheet definition, then of the
// income-statement definition, sums the amounts of the matching accounts of
// the import table and writes the sum into (record's row, period + 6) of the
// statement's sheet. Raises Error at the first failure; cells written so far
// stay written and the status line keeps its working text.
void NaplnDaty(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet,
               TurnoverExportProgress& progress);

// The row text of a record (characters 4 to 6) as the spreadsheet takes a
// row given as text: a whole number, blanks around it allowed. Anything else
// raises Error.
int spreadsheetRow(const std::string& rowText);

inline constexpr const char* kExportWorking = "Počkejte, prosím, pracuji";
inline constexpr const char* kExportDone = "Naplnění daty skončeno, uzavřete toto okno.";
inline constexpr int kBalanceBarMaximum = 250;
inline constexpr int kIncomeBarMaximum = 90;

}  // namespace kalkora
