#include "app/load_by_mode.h"

#include "platform/error.h"
#include "turnovers/csv_turnover_reader.h"
#include "turnovers/xml_turnover_reader.h"

namespace kalkora {

void loadByMode(Workspace& ws, Services& services) {
  switch (ws.mode) {
    case 0: return;
    case 1: return naplnitCsvObraty(ws, services);
    case 2: return naplnitXmlObraty(ws, services);
    default: throw Error("Tento typ importu zatím není k dispozici.");
  }
}

}  // namespace kalkora
