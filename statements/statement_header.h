#pragma once
#include "model/import_table.h"

namespace kalkora {

// The header row of modes 3 to 5: line marking, amount, sum-line marker or
// line type in columns 1 to 3; column 0 is left as it is.
void writeStatementHeader(ImportTable& table);

}  // namespace kalkora
