#pragma once
#include "model/workspace.h"

namespace kalkora {

// The load button: runs the reader of the current import mode; mode 0 does nothing.
void loadByMode(Workspace& ws, Services& services);

}  // namespace kalkora
