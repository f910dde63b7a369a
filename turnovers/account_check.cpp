#include "turnovers/account_check.h"

#include "platform/error.h"
#include "platform/file_system.h"
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

}  // namespace

void ZkontrolujUcty(Workspace& ws, Services& services) {
  const Parameters& p = ws.params;
  if (!services.fs.fileExists(p.balanceDefinitionPath)) throw Error(kBalanceDefinitionMissing);
  ImportTable& table = ws.table;
  table.clear(3, 3, 1, table.rowCount() - 1);
  const AccountIndex index(table);
  labelAccounts(table, index, readDefinitionFile(services.fs, p.balanceDefinitionPath), DefinitionKind::BalanceSheet);
  if (!services.fs.fileExists(p.incomeDefinitionPath)) throw Error(kIncomeDefinitionMissing);
  labelAccounts(table, index, readDefinitionFile(services.fs, p.incomeDefinitionPath),
                DefinitionKind::IncomeStatement);
}

}  // namespace kalkora
