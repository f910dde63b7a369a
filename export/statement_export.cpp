#include "export/statement_export.h"

#include "export/statement_run.h"

namespace kalkora {

void exportStatements(StatementProcedure procedure, const Workspace& ws, const Regional& regional,
                      Spreadsheet& spreadsheet, ExportProgress& progress) {
  StatementRun run(ws, regional, spreadsheet, progress);
  procedure(run);
}

}  // namespace kalkora
