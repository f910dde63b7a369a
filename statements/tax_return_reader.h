#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

// NaplnitMFCRvykazy (mode 5): loads the balance sheet and income statement
// attached to a corporate income tax return of the form chosen in
// RadioGroup3 (0 "DPPDP8", 1 "DPPDP9"), renumbered onto the Czech layout from
// 2016, and shows the entity (Edit38), the year (Edit39) and the numbers of
// balance-sheet and income-statement lines read (Edit40, Edit41).
// Raises Error on failure, OperationStopped for no form or the wrong file.
void NaplnitMFCRvykazy(Workspace& ws, Services& services);

inline constexpr const char* kNoFormMessage = "Není vybrán žádný rok uzávěrky, vyberte jej.";
inline constexpr const char* kTaxReturnStructureMessage =
    "XML soubor neobsahuje strukturu, která je v parametrech nastavena. Upravte nastavení, pravděpodobně typ roku "
    "výkazu.";
inline constexpr const char* kTaxReturnWhatIsRead =
    "Program načítá přiznání DPPDP8 a DPPDP9 ve formátu XML z daňového portálu.";
inline constexpr const char* kNoStatementsMessage = "Přiznání neobsahuje rozvahu ani výsledovku.";
// A filing of the tax portal of another form, named as the file names it.
std::string otherTaxFormMessage(const std::string& form);

}  // namespace kalkora
