#pragma once
#include "model/workspace.h"

namespace kalkora {

// The main window's buttons whose work depends on the import mode, as its
// row in the mode table (app/import_modes.h) says.

// "Načíst data ze souboru": the mode's reader, and in the turnover modes the
// account check after it when files exist at both definition paths. Without
// a mode nothing happens.
void loadByMode(Workspace& ws, Services& services);

// The toolbar button "Kontrola účtů": the check in the turnover modes, a
// notice in every other mode. True when the check ran, so the window hands
// the import table the focus.
bool accountCheckButtonPressed(Workspace& ws, Services& services);

inline constexpr const char* kAccountCheckOnlyForTurnovers =
    "Pro export výkazů nemá smysl kontrolovat použití účtů.";

}  // namespace kalkora
