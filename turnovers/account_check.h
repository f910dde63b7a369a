#pragma once
#include "model/workspace.h"

namespace kalkora {

// ZkontrolujUcty: writes into column 3 of every account the labels of the
// definition rows that take it, each after two spaces, balance sheet first.
// A missing definition file stops it with its message; the balance-sheet
// labels stay when only the income-statement file is missing.
void ZkontrolujUcty(Workspace& ws, Services& services);

}  // namespace kalkora
