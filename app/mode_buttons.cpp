#include "app/mode_buttons.h"

#include "app/import_modes.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "turnovers/account_check.h"

namespace kalkora {

void loadByMode(Workspace& ws, Services& services) {
  ws.unassigned.reset();
  const ImportModeRow* row = importModeRow(ws.mode);
  if (!row) return;
  row->reader(ws, services);
  const Parameters& p = ws.params;
  if (row->accountCheck && services.fs.fileExists(p.balanceDefinitionPath) &&
      services.fs.fileExists(p.incomeDefinitionPath))
    ZkontrolujUcty(ws, services);
}

bool accountCheckButtonPressed(Workspace& ws, Services& services) {
  const ImportModeRow* row = importModeRow(ws.mode);
  if (row && row->accountCheck) {
    ZkontrolujUcty(ws, services);
    return true;
  }
  services.messages.notice(kAccountCheckOnlyForTurnovers);
  return false;
}

}  // namespace kalkora
