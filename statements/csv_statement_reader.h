#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

// NaplnitCSVvykazy (mode 3): numbers the data lines of one part of a CSV
// statement with the official line numbers of the statement type chosen on
// the tab, takes the amount from the tab's amount column and marks sum lines
// "suma". Raises Error on failure, OperationStopped when no type is chosen.
void NaplnitCSVvykazy(Workspace& ws, Services& services);

inline constexpr const char* kNoStatementType =
    "Není vybrán žádný typ výkazu, vyberte účetní výkaz, který zpracováváte.";

}  // namespace kalkora
