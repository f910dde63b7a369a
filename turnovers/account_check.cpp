#include "turnovers/account_check.h"

namespace kalkora {

// Filled in with the definition files.
void zkontrolujUcty(Workspace&, Services&) {}

}  // namespace kalkora
