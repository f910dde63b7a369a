#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

// NaplnitRUZvykazy (mode 4): loads the balance sheet (rows 1 to 145) and the
// income statement (rows 146 to 206) of a Slovak RUZ file at fixed rows, with
// their line types, and shows the entity (Edit35) and the year (Edit36).
// Raises Error on failure, OperationStopped when the file lacks the statement.
void NaplnitRUZvykazy(Workspace& ws, Services& services);

// The element of line n: r001..r009, r010..r099, r100.. in the balance sheet;
// r01..r09, r10.. in the income statement.
std::string ruzBalanceElement(int line);
std::string ruzIncomeElement(int line);

inline constexpr const char* kRuzStructureMessage =
    "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena.";
inline constexpr const char* kRuzWhatIsRead =
    "Program načítá závěrku ze slovenského registru účtovných závierok (RUZ) ve formátu XML.";
// A statement of another form of the register, with the table found.
std::string ruzOtherFormMessage(const std::string& table);

}  // namespace kalkora
