#include <algorithm>
#include <array>
#include <string_view>

#include "export/marking_column.h"
#include "export/marking_search.h"
#include "export/spreadsheet.h"
#include "export/statement_export.h"
#include "export/statement_run.h"
#include "export/workbook_layout.h"
#include "model/tab_views.h"
#include "platform/error.h"
#include "platform/number.h"

namespace kalkora {
namespace {

using Bar = StatementRun::Bar;

constexpr std::array<std::string_view, 2> kBalanceLineTypes = {"Rozvaha aktiva", "Rozvaha pasiva"};
constexpr std::array<std::string_view, 1> kIncomeLineTypes = {"Výsledovka"};

// One pass of the RUZ or tax-portal export over one sheet.
struct Pass {
  int sheet;
  Bar bar;
  int firstRow, lastRow;  // of the import table
  int lastSheetRow;       // the marking search ends here
  std::span<const std::string_view> lineTypes;
  bool sumLines;  // the sum-lines box
};

// A line is written when its type is one of the pass's, or with the sum-lines
// box checked also when it is one of them followed by " - suma".
bool writesLine(const Pass& pass, std::string_view lineType) {
  constexpr std::string_view kSum = " - suma";
  if (pass.sumLines && lineType.ends_with(kSum)) lineType.remove_suffix(kSum.size());
  return std::ranges::find(pass.lineTypes, lineType) != pass.lineTypes.end();
}

// Fails when the workbook has no balance sheet, before anything is written;
// the cursor is normal again, the working text stays.
int requireBalanceSheet(StatementRun& run, const char* message) {
  const int sheet = findBalanceSheet(run.spreadsheet());
  if (sheet != 0) return sheet;
  run.progress().setBusy(false);
  throw Error(message);
}

// The clearing step. The income statement is looked up first, so the zeros go
// to the sheet that bears its name wherever it stands, never to another sheet
// that happens to stand at its usual place; without one, nothing is cleared
// there, and the income pass fails as any export without an income statement.
void clearPeriod(StatementRun& run, int balanceSheet, std::span<const RowRange> balanceRows,
                 std::span<const RowRange> incomeRows) {
  const int incomeSheet = findIncomeSheet(run.spreadsheet());
  run.clear(balanceSheet, balanceRows);
  if (incomeSheet != 0) run.clear(incomeSheet, incomeRows);
}

// RUZ: the search goes on from the row after the last match, one bar step per
// row tested, so each marking cell is read at most once per pass and the
// import rows must come in the sheet's order. A marking not found leaves the
// cursor past the last row: the rest of the pass writes nothing.
void ruzPass(StatementRun& run, const Pass& pass) {
  int cursor = 0;
  for (int row = pass.firstRow; row <= pass.lastRow; ++row) {
    const std::string& marking = run.table().cell(1, row);
    const double amount = run.amount(2, row);
    for (++cursor; cursor <= pass.lastSheetRow; ++cursor) {
      run.steps(pass.bar);
      if (run.spreadsheet().readCell(pass.sheet, cursor, kMarkingColumn) != marking) continue;
      if (writesLine(pass, run.table().cell(3, row))) run.write(pass.sheet, cursor, amount, row, 1, run.table().cell(3, row));
      break;
    }
  }
}

// Tax portal: every search runs from row 1 and takes one bar step per row
// tested; an amount of 0 takes one step and is not searched for.
void taxPass(StatementRun& run, const Pass& pass) {
  MarkingSearch search(run.spreadsheet(), pass.sheet, 1, pass.lastSheetRow);
  for (int row = pass.firstRow; row <= pass.lastRow; ++row) {
    const std::string& marking = run.table().cell(1, row);
    const double amount = run.amount(2, row);
    run.steps(pass.bar);
    if (amount == 0) continue;
    const int match = search.find(marking);
    run.steps(pass.bar, (match != 0 ? match : pass.lastSheetRow) - 1);
    if (match != 0 && writesLine(pass, run.table().cell(3, row)))
      run.write(pass.sheet, match, amount, row, 1, run.table().cell(3, row));
  }
}

// A line count of the tax-portal tab; beyond any table either way.
int lineCount(const std::string& text) { return static_cast<int>(std::clamp(toInteger(text), 0LL, 1'000'000LL)); }

}  // namespace

void exportRuzStatement(StatementRun& run) {
  const auto tab = ruzTab(run.params());
  run.start(150, 67, 150);
  run.zeroBars();
  const int balanceSheet = requireBalanceSheet(run, kRuzNoBalanceSheet);
  if (tab.clearPeriod) clearPeriod(run, balanceSheet, ruzBalanceClearingRows(), ruzIncomeClearingRows());
  run.restartCounter();
  ruzPass(run, {balanceSheet, Bar::Balance, 1, 145, 156, kBalanceLineTypes, tab.sumLines});
  const int incomeSheet = findIncomeSheet(run.spreadsheet());
  run.restartCounter();
  run.progress().setPosition(Bar::Income, 0);
  ruzPass(run, {incomeSheet, Bar::Income, 146, 206, 67, kIncomeLineTypes, tab.sumLines});
  run.finish();
}

void exportTaxReturn(StatementRun& run) {
  const auto tab = taxReturnTab(run.params());
  run.beginWork();
  const int balanceLines = lineCount(tab.balanceLines);
  const int incomeLines = lineCount(tab.incomeLines);
  run.prepare(70 * balanceLines, 30 * incomeLines, 140);
  run.zeroBars();
  const int balanceSheet = requireBalanceSheet(run, kTaxNoBalanceSheet);
  if (tab.clearPeriod) clearPeriod(run, balanceSheet, taxBalanceClearingRows(), taxIncomeClearingRows());
  run.restartCounter();
  taxPass(run, {balanceSheet, Bar::Balance, 1, balanceLines, 155, kBalanceLineTypes, tab.sumLines});
  run.finishingAlways([&] {
    const int incomeSheet = findIncomeSheet(run.spreadsheet());
    run.restartCounter();
    run.progress().setPosition(Bar::Income, 0);
    taxPass(run, {incomeSheet, Bar::Income, balanceLines + 1, balanceLines + incomeLines, 62, kIncomeLineTypes,
                  tab.sumLines});
  });
}

}  // namespace kalkora
