#pragma once
#include "model/workspace.h"

namespace kalkora {

// ZkontrolujUcty: writes into column 3 of every account the labels of the
// definition rows that take it, each after two spaces, balance sheet first.
// A missing definition file stops it with its message; the balance-sheet
// labels stay when only the income-statement file is missing.
void ZkontrolujUcty(Workspace& ws, Services& services);

// The toolbar button "Kontrola účtů": the check in the turnover modes, a
// notice in every other mode. True when the check ran, so the window hands
// the import table the focus.
bool accountCheckButtonPressed(Workspace& ws, Services& services);

inline constexpr const char* kAccountCheckOnlyForTurnovers =
    "Pro export výkazů nemá smysl kontrolovat použití účtů.";

}  // namespace kalkora
