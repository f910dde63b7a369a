#include "statements/p501_report_reader.h"

#include <optional>
#include <vector>

#include "model/csv_fields.h"
#include "model/source_file.h"
#include "platform/number.h"
#include "platform/operation_stopped.h"
#include "model/amount_steps.h"
#include "statements/csv_statement_reader.h"
#include "statements/csv_statement_source.h"
#include "statements/p501_targets.h"

namespace kalkora {
namespace {

enum Type { Income50 = 0, Income6To49 = 1, IncomeSmallest = 2, Assets = 3, Liabilities = 4, TypeCount = 5 };

void writeHeader(Workspace& ws) {
  ws.table.setCell(0, 0, " č.ř.");
  ws.table.setCell(1, 0, " Text výkazu");
  ws.table.setCell(2, 0, " Označení");
  ws.table.setCell(3, 0, " Částka");
  ws.columnWidths = kP501ColumnWidths;
}

std::size_t firstLine(const Parameters& p, int type) {
  // Edit46 is "Pvní řádek výsledovky v csv", Edit47 "Pvní řádek rozvahy v csv".
  if (type == Assets) return linesBeforeFirstRow(p.Edit47);
  if (type == Liabilities) return 0;
  return linesBeforeFirstRow(p.Edit46);
}

// The column numbers, read at the first line that has fields; one that is
// not an integer ends the load with the conversion error.
struct Columns {
  long long amount, text, marking;
};
Columns readColumns(const Parameters& p) { return {toInteger(p.Edit43), toInteger(p.Edit44), toInteger(p.Edit45)}; }

struct Row {
  std::string text, marking, amount;
};

// A line without the separator yields an empty row, which the empty-row
// removal drops, rather than a copy of the row before.
Row readRow(const std::string& line, const Parameters& p, std::optional<Columns>& columns) {
  Row row;
  if (!hasSeparator(line, p.Edit42)) return row;
  if (!columns) columns = readColumns(p);
  row.amount = amount::zeroTest(terminatedField(line, p.Edit42, columns->amount));
  row.text = terminatedField(line, p.Edit42, columns->text);
  row.marking = terminatedField(line, p.Edit42, columns->marking);
  return row;
}

void readLines(Workspace& ws, const std::vector<std::string>& lines, std::size_t next, int type,
               const Regional& regional) {
  const Parameters& p = ws.params;
  const std::string noLine;
  std::optional<Columns> columns;
  P501MarkingLines markingLines;
  for (int r = 1; r <= ws.loadedCount; ++r) {
    Row row = readRow(next < lines.size() ? lines[next++] : noLine, p, columns);
    row.amount = amount::rewriteDecimalPoint(amount::applyCoefficient(std::move(row.amount), p.Edit31, regional));
    // Every row gets its target, "0" for none, so that no target an earlier
    // load left in column 0 is exported with this load's amounts.
    std::string target = "0";
    if (type == IncomeSmallest) target = markingLines.lineFor(row.marking, r);
    if (type == Assets) target = p501AssetsLine(r);
    ws.table.setCell(0, r, std::move(target));
    ws.table.setCell(1, r, std::move(row.text));
    ws.table.setCell(2, r, std::move(row.marking));
    ws.table.setCell(3, r, std::move(row.amount));
  }
}

}  // namespace

void naplnitVykazySbs(Workspace& ws, Services& services) {
  ws.mode = 6;
  Parameters& p = ws.params;
  checkCsvSource(services.fs, services.messages, p.Edit3);
  const int type = p.RadioGroup2;
  if (type < 0 || type >= TypeCount) throw OperationStopped(kNoStatementType);

  const std::vector<std::string> lines = readStatementLines(ws, services);
  writeHeader(ws);

  if (!lines.empty()) {
    const std::size_t skipped = firstLine(p, type);
    showZeroFirstRowAsOne(p.Edit46);
    showZeroFirstRowAsOne(p.Edit47);
    readLines(ws, lines, skipped, type, services.regional);
  }
  removeEmptyRows(ws.table);
}

}  // namespace kalkora
