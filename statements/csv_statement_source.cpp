#include "statements/csv_statement_source.h"

#include "model/csv_fields.h"
#include "platform/number.h"

namespace kalkora {

std::vector<std::string> readStatementLines(Workspace& ws, Services& services) {
  std::vector<std::string> lines = readSourceLines(services.fs, ws.params.Edit3);
  ws.loadedCount = static_cast<int>(lines.size());
  ws.table.clear(0, 3, 1, ws.table.rowCount() - 1);
  ws.table.setRowCount(ws.loadedCount + 1);
  return lines;
}

std::size_t linesBeforeFirstRow(const std::string& firstRow) {
  const auto number = parseInteger(firstRow);
  return number && *number > 1 ? static_cast<std::size_t>(*number - 1) : 0;
}

void showZeroFirstRowAsOne(std::string& firstRow) {
  if (firstRow == "0") firstRow = "1";
}

}  // namespace kalkora
