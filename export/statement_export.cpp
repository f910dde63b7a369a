#include "export/statement_export.h"

#include "export/statement_run.h"

namespace kalkora {

void exportStatements(StatementProcedure procedure, const Workspace& ws, const Regional& regional,
                      Spreadsheet& spreadsheet, ExportProgress& progress, CellOrigins& origins) {
  StatementRun run(ws, regional, spreadsheet, progress, origins);
  procedure(run);
}

}  // namespace kalkora
