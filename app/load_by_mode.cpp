#include "app/load_by_mode.h"

#include <string>

#include "statements/csv_statement_reader.h"
#include "statements/p501_report_reader.h"
#include "statements/ruz_statement_reader.h"
#include "statements/tax_return_reader.h"
#include "platform/error.h"
#include "turnovers/csv_turnover_reader.h"
#include "turnovers/xml_turnover_reader.h"

namespace kalkora {

void loadByMode(Workspace& ws, Services& services) {
  ws.unassigned.reset();
  switch (ws.mode) {
    case 0: return;
    case 1: return NaplnitCSVobraty(ws, services);
    case 2: return NaplnitXMLobraty(ws, services);
    case 3: return NaplnitCSVvykazy(ws, services);
    case 4: return NaplnitRUZvykazy(ws, services);
    case 5: return NaplnitMFCRvykazy(ws, services);
    case 6: return NaplnitvykazySBS(ws, services);
    default: throw Error("Neznámý typ importu: " + std::to_string(ws.mode) + ".");
  }
}

}  // namespace kalkora
