#include "statements/p501_report_reader.h"

#include <optional>
#include <vector>

#include "model/csv_fields.h"
#include "model/source_file.h"
#include "platform/number.h"
#include "platform/operation_stopped.h"
#include "model/amount_steps.h"
#include "statements/csv_statement_reader.h"
#include "model/tab_views.h"
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

std::size_t firstLine(const P501Tab& tab, int type) {
  if (type == Assets) return linesBeforeFirstRow(tab.balanceFirstRow);
  if (type == Liabilities) return 0;
  return linesBeforeFirstRow(tab.incomeFirstRow);
}

// The column numbers, read at the first line that has fields; one that is
// not an integer ends the load with the conversion error.
struct Columns {
  long long amount, text, marking;
};
Columns readColumns(const P501Tab& tab) {
  return {toInteger(tab.amountColumn), toInteger(tab.textColumn), toInteger(tab.markingColumn)};
}

struct Row {
  std::string text, marking, amount;
};

// A line without the separator yields an empty row, which the empty-row
// removal drops, rather than a copy of the row before.
Row readRow(const std::string& line, const P501Tab& tab, std::optional<Columns>& columns) {
  Row row;
  if (!hasSeparator(line, tab.separator)) return row;
  if (!columns) columns = readColumns(tab);
  row.amount = amount::zeroTest(terminatedField(line, tab.separator, columns->amount));
  row.text = terminatedField(line, tab.separator, columns->text);
  row.marking = terminatedField(line, tab.separator, columns->marking);
  return row;
}

void readLines(Workspace& ws, const std::vector<std::string>& lines, std::size_t next, int type,
               const Regional& regional) {
  const P501Tab tab = p501Tab(ws.params);
  const std::string& coefficient = csvStatementTab(ws.params).coefficient;
  const std::string noLine;
  std::optional<Columns> columns;
  P501MarkingLines markingLines;
  for (int r = 1; r <= ws.loadedCount; ++r) {
    Row row = readRow(next < lines.size() ? lines[next++] : noLine, tab, columns);
    row.amount = amount::rewriteDecimalPoint(amount::applyCoefficient(std::move(row.amount), coefficient, regional));
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

void NaplnitvykazySBS(Workspace& ws, Services& services) {
  ws.mode = ImportMode::P501Report;
  const P501Tab tab = p501Tab(ws.params);
  checkCsvSource(services.fs, services.messages, ws.params.Edit3);
  const int type = tab.reportType;
  if (type < 0 || type >= TypeCount) throw OperationStopped(kNoStatementType);

  const std::vector<std::string> lines = readStatementLines(ws, services);
  writeHeader(ws);

  if (!lines.empty()) {
    const std::size_t skipped = firstLine(tab, type);
    showZeroFirstRowAsOne(tab.incomeFirstRow);
    showZeroFirstRowAsOne(tab.balanceFirstRow);
    readLines(ws, lines, skipped, type, services.regional);
  }
  removeEmptyRows(ws.table);
}

}  // namespace kalkora
