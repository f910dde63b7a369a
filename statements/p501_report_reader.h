#pragma once
#include "model/workspace.h"

namespace kalkora {

// NaplnitvykazySBS (mode 6): loads one module of the statistical report
// P 5-01 (type chosen on the tab) with its line text, marking and amount, and
// fills column 0 with the workbook line each row goes to ("0" for none).
// Raises Error on failure, OperationStopped when no type is chosen.
void NaplnitvykazySBS(Workspace& ws, Services& services);

inline constexpr std::array<int, ImportTable::kColumns> kP501ColumnWidths = {30, 280, 70, 100};

}  // namespace kalkora
