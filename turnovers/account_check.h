#pragma once
#include "app/workspace.h"

namespace kalkora {

// ZkontrolujUcty: writes into column 3 of every account the labels of the
// definition rows that take it.
void zkontrolujUcty(Workspace& ws, Services& services);

}  // namespace kalkora
