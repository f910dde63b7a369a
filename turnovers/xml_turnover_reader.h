#pragma once
#include "model/workspace.h"

namespace kalkora {

// NaplnitXMLobraty: loads an XML turnover file (mode 2) into the import
// table, one row per record node, as the XML settings of tab 2 describe the
// records. Raises Error with the Czech message on failure, OperationStopped when the
// file does not have the shape the settings describe.
void NaplnitXMLobraty(Workspace& ws, Services& services);

inline constexpr const char* kXmlStructureMessage =
    "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena. Musíte upravit "
    "nastavení.";

}  // namespace kalkora
