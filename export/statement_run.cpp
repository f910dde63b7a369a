#include "export/statement_run.h"

#include <algorithm>

#include "export/export_protocol.h"
#include "export/spreadsheet.h"
#include "export/workbook_layout.h"
#include "platform/error.h"
#include "platform/number.h"

namespace kalkora {

StatementRun::StatementRun(const Workspace& ws, const Regional& regional, Spreadsheet& spreadsheet,
                           ExportProgress& progress, CellOrigins& origins)
    : ws_(ws), regional_(regional), spreadsheet_(spreadsheet), progress_(progress), origins_(origins) {}

void StatementRun::beginWork() {
  progress_.setBusy(true);
  counter_ = -1;
  progress_.setStatus(kExportWorking);
}

void StatementRun::prepare(int balanceMaximum, int incomeMaximum, int clearingMaximum) {
  maxima_ = {balanceMaximum, incomeMaximum, clearingMaximum};
  progress_.setMaximum(Bar::Balance, balanceMaximum);
  progress_.setMaximum(Bar::Income, incomeMaximum);
  if (clearingMaximum >= 0) progress_.setMaximum(Bar::Clearing, clearingMaximum);
  progress_.setClearingShown(clearingMaximum >= 0);
  column_ = periodColumn(ws_.params.Edit1);
}

void StatementRun::zeroBars() {
  progress_.setPosition(Bar::Balance, 0);
  progress_.setPosition(Bar::Income, 0);
  if (maxima_[static_cast<size_t>(Bar::Clearing)] >= 0) progress_.setPosition(Bar::Clearing, 0);
}

void StatementRun::finish() {
  progress_.setBusy(false);
  progress_.setStatus(kExportDone);
}

void StatementRun::steps(Bar bar, int count) {
  if (count <= 0) return;
  counter_ += count;
  progress_.setPosition(bar, std::min(counter_ + 1, maxima_[static_cast<size_t>(bar)]));
}

double StatementRun::amount(int column, int row) const {
  if (row >= ws_.table.rowCount())
    throw Error("V tabulce chybí řádek " + std::to_string(row) +
                ", který export výkazu potřebuje. Načtěte výkaz znovu se správným typem výkazu.");
  const std::string& text = ws_.table.cell(column, row);
  const auto value = parseNumber(text, regional_.decimalSeparator);
  if (!value) throw Error("Částka „" + text + "“ na řádku " + std::to_string(row) + " tabulky není platné číslo.");
  return *value;
}

void StatementRun::write(int sheet, int row, double amount, int tableRow, int markingColumn,
                         const std::string& detail) {
  if (origins_.wanted())
    origins_.next({ws_.table.cell(markingColumn, tableRow),
                   "řádek tabulky " + std::to_string(tableRow) + (detail.empty() ? "" : ": " + detail)});
  spreadsheet_.writeNumber(sheet, row, column_, amount);
}

void StatementRun::clear(int sheet, std::span<const RowRange> rows) {
  for (const RowRange& range : rows) {
    for (int row = range.first; row <= range.last; ++row) {
      if (origins_.wanted()) origins_.next({"", kClearingSource});
      spreadsheet_.writeZeroText(sheet, row, column_);
      steps(Bar::Clearing);
    }
  }
}

}  // namespace kalkora
