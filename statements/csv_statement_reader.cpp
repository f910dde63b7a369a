#include "statements/csv_statement_reader.h"

#include <optional>
#include <vector>

#include "model/csv_fields.h"
#include "model/source_file.h"
#include "platform/number.h"
#include "platform/operation_stopped.h"
#include "model/amount_steps.h"
#include "model/tab_views.h"
#include "statements/csv_statement_source.h"
#include "statements/statement_header.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

const std::string& firstRow(const CsvStatementTab& tab, StatementPart part) {
  switch (part) {
    case StatementPart::Assets: return tab.assetsFirstRow;
    case StatementPart::Liabilities: return tab.liabilitiesFirstRow;
    case StatementPart::Income: break;
  }
  return tab.incomeFirstRow;
}

std::string cleanAmount(std::string field, const Regional& regional) {
  field = amount::removeQuotes(std::move(field));
  field = amount::removeThousandsSeparators(std::move(field), regional);
  field = amount::removeSpaces(std::move(field));
  field = amount::checkCharacters(std::move(field));
  return amount::zeroTest(std::move(field));
}

// The line loop: one file line per data line, numbered from the type's first
// line; the line that would get the stop number ends the load unstored.
void readLines(Workspace& ws, const std::vector<std::string>& lines, std::size_t next, const CsvStatementType& type,
               const Regional& regional) {
  const CsvStatementTab tab = csvStatementTab(ws.params);
  const std::string noLine;
  std::optional<long long> column;  // read at the first line that has fields
  int line = type.firstLine - 1;
  for (int row = 1; row <= ws.loadedCount; ++row) {
    ++line;
    const std::string& text = next < lines.size() ? lines[next++] : noLine;
    // A line without the separator (an empty line, or one past the end of a
    // file shorter than its layout) has no amount of its own: it gets "0"
    // rather than the amount of the line before.
    std::string amountText = "0";
    if (hasSeparator(text, tab.separator)) {
      if (!column) column = toInteger(tab.amountColumn);
      amountText = cleanAmount(csvField(text, tab.separator, *column), regional);
    }
    amountText = amount::rewriteDecimalPoint(amount::applyCoefficient(std::move(amountText), tab.coefficient, regional));
    if (line == type.stopLine()) return;
    ws.table.setCell(1, row, std::to_string(line));
    ws.table.setCell(2, row, std::move(amountText));
    if (type.isSumLine(line)) ws.table.setCell(3, row, "suma");
  }
}

}  // namespace

void NaplnitCSVvykazy(Workspace& ws, Services& services) {
  ws.mode = ImportMode::CsvStatement;
  const CsvStatementTab tab = csvStatementTab(ws.params);
  checkCsvSource(services.fs, services.messages, ws.params.Edit3);
  const CsvStatementType* type = csvStatementType(tab.statementType);
  if (!type) throw OperationStopped(kNoStatementType);

  const std::vector<std::string> lines = readStatementLines(ws, services);
  writeStatementHeader(ws.table);

  if (!lines.empty()) {
    const std::size_t skipped = linesBeforeFirstRow(firstRow(tab, type->part));
    for (std::string* box : {&tab.assetsFirstRow, &tab.liabilitiesFirstRow, &tab.incomeFirstRow})
      showZeroFirstRowAsOne(*box);
    readLines(ws, lines, skipped, *type, services.regional);
  }
  removeEmptyRows(ws.table);
}

}  // namespace kalkora
