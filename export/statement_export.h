#pragma once

#include "export/export_progress.h"
#include "model/workspace.h"
#include "platform/regional.h"

namespace kalkora {

class CellOrigins;
class Spreadsheet;
class StatementRun;
CellOrigins& noCellOrigins();

// A statement mode's own procedure (export/statement_run.h): one per mode.
using StatementProcedure = void (*)(StatementRun& run);

// The statement export window's activation: writes the statement lines that
// a statement reader (CSV statement, RUZ, tax-portal return, P 5-01 report)
// left in the import table into the period column (period + 6) of the
// workbook's balance sheet and income statement, by the procedure of that
// reader's mode. The CSV, RUZ and tax-portal procedures find each line's row
// by its marking in the sheet's marking column, the P 5-01 one takes the row
// from column 0. Origins hear each cell's line marking and its row in the
// import table.
//
// Raises Error at the first failure. Cells written so far stay written; which
// failures give the cursor back and show the finished text is each mode's own,
// as the progress calls tell.
void exportStatements(StatementProcedure procedure, const Workspace& ws, const Regional& regional,
                      Spreadsheet& spreadsheet, ExportProgress& progress, CellOrigins& origins = noCellOrigins());

inline constexpr const char* kRuzNoBalanceSheet =
    "Není připojen Kalkora s listem \"Súvahy netto\". Připojte slovenskou verzi Kalkora v parametrizaci a "
    "zrestartujte aplikaci.";
inline constexpr const char* kTaxNoBalanceSheet = "Není připojen Kalkora";

}  // namespace kalkora
