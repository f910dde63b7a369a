#pragma once
#include <string>

#include "model/source_file.h"
#include "model/workspace.h"

namespace kalkora {

// NaplnitCSVobraty: loads a CSV turnover file (mode 1) into the import table
// from the tab-1 parameters, then runs the account check when both
// definition files exist. Raises Error with the Czech message on failure.
void NaplnitCSVobraty(Workspace& ws, Services& services);

// The CSV row reader: fills the table from the parameters and the file's
// lines (the loaded count and header row already set), then cleans up.
void NaplnitStringGrid(Workspace& ws, const std::vector<std::string>& lines, const Regional& regional);

// Account cleaning of one account field; accountLength 0 switches the
// leading-zero rule off.
std::string cleanAccount(const std::string& field, long long accountLength);

}  // namespace kalkora
