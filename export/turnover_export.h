#pragma once
#include <optional>
#include <string>

#include "export/balance_totals.h"
#include "export/export_progress.h"
#include "model/workspace.h"

namespace kalkora {

class CellOrigins;
class Spreadsheet;
CellOrigins& noCellOrigins();

// NaplnDaty: for every record of the balance-sheet definition, then of the
// income-statement definition, sums the amounts of the matching accounts of
// the import table and writes the sum into (record's row, period + 6) of the
// statement's sheet, telling origins each row's label and the accounts that
// made its sum. Raises Error at the first failure; cells written so far stay
// written and the status line keeps its working text.
void NaplnDaty(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet, ExportProgress& progress,
               CellOrigins& origins = noCellOrigins());

// The two sides of the balance sheet as the export will sum them: a record
// that takes all its accounts with their sign turned ("-" or "<") is a
// liabilities row, any other with accounts an assets row. None without a
// balance-sheet definition or without rows on both sides.
std::optional<BalanceTotals> turnoverBalanceTotals(const Workspace& ws, const FileSystem& fs);

inline constexpr int kBalanceBarMaximum = 250;
inline constexpr int kIncomeBarMaximum = 90;

}  // namespace kalkora
