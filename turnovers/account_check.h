#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

// ZkontrolujUcty: writes into column 3 of every account the labels of the
// definition rows that take it, each after two spaces, balance sheet first.
// A missing definition file stops it with its message; the balance-sheet
// labels stay when only the income-statement file is missing. Once both
// files are through, the accounts left without a label whose balance is not
// zero are the workspace's unassigned accounts.
void ZkontrolujUcty(Workspace& ws, Services& services);

// "Nezařazené účty: 2, celkem 1234,5", the balances summed with a decimal
// comma as the table has them.
std::string unassignedAccountsText(const UnassignedAccounts& unassigned);

}  // namespace kalkora
