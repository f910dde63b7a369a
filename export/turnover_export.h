#pragma once
#include <string>

#include "export/export_progress.h"
#include "model/workspace.h"

namespace kalkora {

class Spreadsheet;

// NaplnDaty: for every record of the balance-sheet definition, then of the
// income-statement definition, sums the amounts of the matching accounts of
// the import table and writes the sum into (record's row, period + 6) of the
// statement's sheet. Raises Error at the first failure; cells written so far
// stay written and the status line keeps its working text.
void NaplnDaty(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet,
               ExportProgress& progress);

inline constexpr int kBalanceBarMaximum = 250;
inline constexpr int kIncomeBarMaximum = 90;

}  // namespace kalkora
