#pragma once
#include <string>

#include "model/source_file.h"
#include "model/workspace.h"

namespace kalkora {

// NaplnitCSVobraty: loads a CSV turnover file (mode 1) into the import table
// from the tab-1 parameters. Raises Error with the Czech message on failure.
void NaplnitCSVobraty(Workspace& ws, Services& services);

// Account cleaning of one account field; accountLength 0 switches the
// leading-zero rule off.
std::string cleanAccount(std::string field, long long accountLength);

}  // namespace kalkora
