#include "export/turnover_export.h"

#include "export/spreadsheet.h"
#include "export/workbook_layout.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "turnovers/account_index.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

using Bar = ExportProgress::Bar;

// Amounts always carry a decimal comma here, whatever the regional settings.
double amountOf(const ImportTable& table, int row) {
  const std::string& text = table.cell(2, row);
  if (text.empty()) return 0;
  const auto value = parseNumber(text, U',');
  if (!value) throw Error("Částka „" + text + "“ účtu " + table.cell(1, row) + " není platné číslo.");
  return *value;
}

// Balance sheet: each entry's sum is formed first, then its state rule
// decides what of it the row gets.
double balanceRowSum(const ImportTable& table, const AccountIndex& index, const DefinitionRecord& record,
                     ExportProgress& progress, int& counter) {
  double rowSum = 0;
  for (const std::string& text : splitAccountList(record.accounts)) {
    progress.setPosition(Bar::Balance, ++counter);
    const DefinitionEntry entry = decodeEntry(text);
    double entrySum = 0;
    for (int row : index.rowsInTableOrder(entry.prefix)) {
      entrySum += entry.subtract ? -amountOf(table, row) : amountOf(table, row);
    }
    if (entry.active && !(entrySum > 0)) entrySum = 0;
    if (entry.passive) entrySum = entrySum < 0 ? -entrySum : 0;
    rowSum += entrySum;
  }
  return rowSum;
}

// Income statement: only "-" is a mark; every amount goes straight into the
// row sum.
double incomeRowSum(const ImportTable& table, const AccountIndex& index, const DefinitionRecord& record,
                    ExportProgress& progress, int& counter) {
  double rowSum = 0;
  for (const std::string& text : splitAccountList(record.accounts)) {
    progress.setPosition(Bar::Income, ++counter);
    const DefinitionEntry entry = decodeEntry(text, false);
    for (int row : index.rowsInTableOrder(entry.prefix)) {
      rowSum += entry.subtract ? -amountOf(table, row) : amountOf(table, row);
    }
  }
  return rowSum;
}

// The record's workbook row. A text that names none is the definition file's
// fault, so the error says which file and where in it.
int recordRow(const DefinitionRecord& record, DefinitionKind kind, const std::string& path, size_t number) {
  try {
    return spreadsheetRow(definitionRowText(record));
  } catch (const Error& e) {
    throw Error(definitionPlace(kind, path, number) + e.what());
  }
}

template <class RowSum>
void fillStatement(const Workspace& ws, const AccountIndex& index, const std::vector<DefinitionRecord>& records,
                   DefinitionKind kind, const std::string& path, Spreadsheet& spreadsheet, int sheet, int column,
                   ExportProgress& progress, RowSum rowSum) {
  int counter = 0;
  for (size_t number = 0; number < records.size(); ++number) {
    const double sum = rowSum(ws.table, index, records[number], progress, counter);
    spreadsheet.writeNumber(sheet, recordRow(records[number], kind, path, number), column, sum);
  }
}

}  // namespace

void NaplnDaty(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet,
               ExportProgress& progress) {
  progress.setStatus(kExportWorking);
  progress.setPosition(Bar::Balance, 0);
  progress.setPosition(Bar::Income, 0);
  progress.setMaximum(Bar::Balance, kBalanceBarMaximum);
  progress.setMaximum(Bar::Income, kIncomeBarMaximum);

  const Parameters& p = ws.params;
  const int balanceSheet = findBalanceSheet(spreadsheet);
  const int column = periodColumn(p.Edit1);
  if (!fs.fileExists(p.balanceDefinitionPath)) throw Error(kBalanceDefinitionMissing);
  const AccountIndex index(ws.table);
  fillStatement(ws, index, readDefinitionFile(fs, p.balanceDefinitionPath), DefinitionKind::BalanceSheet,
                p.balanceDefinitionPath, spreadsheet, balanceSheet, column, progress, balanceRowSum);

  const int incomeSheet = findIncomeSheet(spreadsheet);
  if (!fs.fileExists(p.incomeDefinitionPath)) throw Error(kIncomeDefinitionMissing);
  fillStatement(ws, index, readDefinitionFile(fs, p.incomeDefinitionPath), DefinitionKind::IncomeStatement,
                p.incomeDefinitionPath, spreadsheet, incomeSheet, column, progress, incomeRowSum);
  progress.setStatus(kExportDone);
}

}  // namespace kalkora
