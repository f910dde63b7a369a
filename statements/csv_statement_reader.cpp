#include "statements/csv_statement_reader.h"

#include <optional>
#include <vector>

#include "model/csv_fields.h"
#include "model/source_file.h"
#include "platform/number.h"
#include "platform/operation_stopped.h"
#include "model/amount_steps.h"
#include "statements/csv_statement_source.h"
#include "statements/statement_header.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

std::string& firstRowBox(Parameters& p, StatementPart part) {
  switch (part) {
    case StatementPart::Assets: return p.Edit28;
    case StatementPart::Liabilities: return p.Edit29;
    case StatementPart::Income: break;
  }
  return p.Edit30;
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
  const Parameters& p = ws.params;
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
    if (hasSeparator(text, p.Edit26)) {
      if (!column) column = toInteger(p.Edit27);
      amountText = cleanAmount(csvField(text, p.Edit26, *column), regional);
    }
    amountText = amount::rewriteDecimalPoint(amount::applyCoefficient(std::move(amountText), p.Edit31, regional));
    if (line == type.stopLine()) return;
    ws.table.setCell(1, row, std::to_string(line));
    ws.table.setCell(2, row, std::move(amountText));
    if (type.isSumLine(line)) ws.table.setCell(3, row, "suma");
  }
}

}  // namespace

void naplnitCsvVykazy(Workspace& ws, Services& services) {
  ws.mode = 3;
  Parameters& p = ws.params;
  checkCsvSource(services.fs, services.messages, p.Edit3);
  const CsvStatementType* type = csvStatementType(p.RadioGroup1);
  if (!type) throw OperationStopped(kNoStatementType);

  const std::vector<std::string> lines = readStatementLines(ws, services);
  writeStatementHeader(ws.table);

  if (!lines.empty()) {
    const std::size_t skipped = linesBeforeFirstRow(firstRowBox(p, type->part));
    for (std::string* box : {&p.Edit28, &p.Edit29, &p.Edit30}) showZeroFirstRowAsOne(*box);
    readLines(ws, lines, skipped, *type, services.regional);
  }
  removeEmptyRows(ws.table);
}

}  // namespace kalkora
