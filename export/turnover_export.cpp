#include "export/turnover_export.h"

#include "export/export_protocol.h"
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

// A row's sum and, for the protocol, the accounts that made it: each with
// the sign it entered the sum with, and in brackets an entry whose state
// rule left nothing of its accounts.
struct RowSum {
  double value = 0;
  std::string source;
};

class RowSummer {
 public:
  RowSummer(const ImportTable& table, const AccountIndex& index, ExportProgress& progress, bool withSources)
      : table_(table), index_(index), progress_(progress), withSources_(withSources) {}

  // Balance sheet: each entry's sum is formed first, then its state rule
  // decides what of it the row gets.
  RowSum balance(const DefinitionRecord& record, int& counter) const {
    RowSum sum;
    for (const std::string& text : splitAccountList(record.accounts)) {
      progress_.setPosition(Bar::Balance, ++counter);
      const DefinitionEntry entry = decodeEntry(text);
      const std::vector<int> rows = index_.rowsInTableOrder(entry.prefix);
      double entrySum = 0;
      for (int row : rows) entrySum += entry.subtract ? -amountOf(table_, row) : amountOf(table_, row);
      const bool dropped = (entry.active && !(entrySum > 0)) || (entry.passive && !(entrySum < 0));
      if (dropped) entrySum = 0;
      if (entry.passive) entrySum = -entrySum;
      sum.value += entrySum;
      if (!withSources_ || rows.empty()) continue;
      if (dropped)
        append(sum.source, "(" + text + " = 0)");
      else
        appendAccounts(sum.source, rows, entry.subtract != entry.passive);
    }
    return sum;
  }

  // Income statement: only "-" is a mark; every amount goes straight into
  // the row sum.
  RowSum income(const DefinitionRecord& record, int& counter) const {
    RowSum sum;
    for (const std::string& text : splitAccountList(record.accounts)) {
      progress_.setPosition(Bar::Income, ++counter);
      const DefinitionEntry entry = decodeEntry(text, false);
      const std::vector<int> rows = index_.rowsInTableOrder(entry.prefix);
      for (int row : rows) sum.value += entry.subtract ? -amountOf(table_, row) : amountOf(table_, row);
      if (withSources_) appendAccounts(sum.source, rows, entry.subtract);
    }
    return sum;
  }

 private:
  static void append(std::string& source, const std::string& part) { source += (source.empty() ? "" : " ") + part; }
  void appendAccounts(std::string& source, const std::vector<int>& rows, bool negative) const {
    for (int row : rows) append(source, (negative ? "-" : "+") + table_.cell(1, row));
  }

  const ImportTable& table_;
  const AccountIndex& index_;
  ExportProgress& progress_;
  bool withSources_;
};

// The record's workbook row. A text that names none is the definition file's
// fault, so the error says which file and where in it.
int recordRow(const DefinitionRecord& record, DefinitionKind kind, const std::string& path, size_t number) {
  try {
    return spreadsheetRow(definitionRowText(record));
  } catch (const Error& e) {
    throw Error(definitionPlace(kind, path, number) + e.what());
  }
}

template <class Sum>
void fillStatement(const std::vector<DefinitionRecord>& records, DefinitionKind kind, const std::string& path,
                   Spreadsheet& spreadsheet, int sheet, int column, CellOrigins& origins, Sum rowSum) {
  int counter = 0;
  for (size_t number = 0; number < records.size(); ++number) {
    const DefinitionRecord& record = records[number];
    RowSum sum = rowSum(record, counter);
    if (origins.wanted()) origins.next({definitionLabel(record, kind), std::move(sum.source)});
    spreadsheet.writeNumber(sheet, recordRow(record, kind, path, number), column, sum.value);
  }
}

enum class Side { None, Assets, Liabilities };

// A balance-sheet record that takes every account with its sign turned
// ("-", or the passive rule "<") stands on the liabilities side, any other
// with a list on the assets side.
Side sideOf(const DefinitionRecord& record) {
  const std::vector<std::string> entries = splitAccountList(record.accounts);
  bool turned = false;
  for (const std::string& text : entries) {
    const DefinitionEntry entry = decodeEntry(text);
    if (entry.prefix.empty()) continue;
    if (!entry.subtract && !entry.passive) return Side::Assets;
    turned = true;
  }
  return turned ? Side::Liabilities : entries.empty() ? Side::None : Side::Assets;
}

}  // namespace

void NaplnDaty(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet, ExportProgress& progress,
               CellOrigins& origins) {
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
  const RowSummer summer(ws.table, index, progress, origins.wanted());
  fillStatement(readDefinitionFile(fs, p.balanceDefinitionPath), DefinitionKind::BalanceSheet,
                p.balanceDefinitionPath, spreadsheet, balanceSheet, column, origins,
                [&](const DefinitionRecord& record, int& counter) { return summer.balance(record, counter); });

  const int incomeSheet = findIncomeSheet(spreadsheet);
  if (!fs.fileExists(p.incomeDefinitionPath)) throw Error(kIncomeDefinitionMissing);
  fillStatement(readDefinitionFile(fs, p.incomeDefinitionPath), DefinitionKind::IncomeStatement,
                p.incomeDefinitionPath, spreadsheet, incomeSheet, column, origins,
                [&](const DefinitionRecord& record, int& counter) { return summer.income(record, counter); });
  progress.setStatus(kExportDone);
}

std::optional<BalanceTotals> turnoverBalanceTotals(const Workspace& ws, const FileSystem& fs) {
  const std::string& path = ws.params.balanceDefinitionPath;
  if (!fs.fileExists(path)) return std::nullopt;
  const AccountIndex index(ws.table);
  ExportProgress silent;
  const RowSummer summer(ws.table, index, silent, false);
  BalanceTotals totals;
  bool assets = false, liabilities = false;
  int counter = 0;
  for (const DefinitionRecord& record : readDefinitionFile(fs, path)) {
    const double sum = summer.balance(record, counter).value;
    const Side side = sideOf(record);
    if (side == Side::Liabilities) {
      totals.liabilities += sum;
      liabilities = true;
    } else if (side == Side::Assets) {
      totals.assets += sum;
      assets = true;
    }
  }
  if (!assets || !liabilities) return std::nullopt;
  return totals;
}

}  // namespace kalkora
