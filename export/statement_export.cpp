#include "export/statement_export.h"

#include "export/statement_run.h"

namespace kalkora {

void exportStatements(const Workspace& ws, const Regional& regional, Spreadsheet& spreadsheet,
                      ExportProgress& progress, CellOrigins& origins) {
  StatementRun run(ws, regional, spreadsheet, progress, origins);
  switch (ws.mode) {
    case 3: exportCsvStatement(run); break;
    case 4: exportRuzStatement(run); break;
    case 5: exportTaxReturn(run); break;
    case 6: exportP501Report(run); break;
    default: break;  // the turnover modes have their own export
  }
}

}  // namespace kalkora
