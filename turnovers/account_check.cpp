#include "turnovers/account_check.h"

#include <cmath>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/number.h"
#include "turnovers/account_index.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

void labelAccounts(ImportTable& table, const AccountIndex& index, const std::vector<DefinitionRecord>& records,
                   DefinitionKind kind) {
  for (const DefinitionRecord& record : records) {
    const std::string label = "  " + definitionLabel(record, kind);
    for (const std::string& entry : splitAccountList(record.accounts)) {
      for (int row : index.rowsByAccount(decodeEntry(entry).prefix)) {
        table.setCell(3, row, table.cell(3, row) + label);
      }
    }
  }
}

// A balance that is no number counts as one that is not zero, and adds
// nothing to the total.
UnassignedAccounts findUnassigned(const ImportTable& table) {
  UnassignedAccounts unassigned;
  for (int row = 1; row < table.rowCount(); ++row) {
    if (!table.cell(3, row).empty() || table.cell(1, row).empty()) continue;
    const std::string& text = table.cell(2, row);
    const auto balance = parseNumber(text, U',');
    if (text.empty() || (balance && *balance == 0)) continue;
    unassigned.rows.push_back(row);
    if (balance) unassigned.total += *balance;
  }
  return unassigned;
}

}  // namespace

void ZkontrolujUcty(Workspace& ws, Services& services) {
  ws.unassigned.reset();
  const Parameters& p = ws.params;
  if (!services.fs.fileExists(p.balanceDefinitionPath)) throw Error(kBalanceDefinitionMissing);
  ImportTable& table = ws.table;
  table.clear(3, 3, 1, table.rowCount() - 1);
  const AccountIndex index(table);
  labelAccounts(table, index, readDefinitionFile(services.fs, p.balanceDefinitionPath), DefinitionKind::BalanceSheet);
  if (!services.fs.fileExists(p.incomeDefinitionPath)) throw Error(kIncomeDefinitionMissing);
  labelAccounts(table, index, readDefinitionFile(services.fs, p.incomeDefinitionPath),
                DefinitionKind::IncomeStatement);
  ws.unassigned = findUnassigned(table);
}

std::string unassignedAccountsText(const UnassignedAccounts& unassigned) {
  return "Nezařazené účty: " + std::to_string(unassigned.rows.size()) + ", celkem " +
         formatShortest(std::round(unassigned.total * 100) / 100, U',');
}

}  // namespace kalkora
