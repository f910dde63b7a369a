#include "turnovers/csv_turnover_reader.h"

#include <array>

#include "model/csv_fields.h"
#include "platform/cp1250.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/number.h"
#include "model/amount_steps.h"
#include "model/tab_views.h"
#include "turnovers/account_check.h"

namespace kalkora {
namespace {

// Cleans one amount field: the quotes, up to five stray "Â" (what is left of a
// no-break space read in the wrong code page), the thousands separators and
// the spaces go, then a field with a character that is no part of a number
// is emptied; `lowest` is where the check's rejected codes start (0 for the
// first column, 21 for the second).
std::string cleanAmountField(std::string field, int lowest, const Regional& regional) {
  field = amount::removeQuotes(std::move(field));
  field = amount::removeFirst(std::move(field), U'\u00C2', 5);
  field = amount::removeThousandsSeparators(std::move(field), regional);
  field = amount::removeSpaces(std::move(field));
  return amount::checkCharacters(std::move(field), lowest);
}

// The first column wins whenever it carries a value, the second is the
// fallback, "0" when neither has one.
std::string chooseAmount(const std::string& first, const std::string& second) {
  std::string text = second;
  if (!first.empty() && first != "0" && first != "0,00" && first != "0.0") text = first;
  return text.empty() ? "0" : text;
}

struct Columns {
  long long account, amount, amount2, accountLength;
};

void readLine(ImportTable& table, int row, const std::string& line, const Columns& cols, const CsvTurnoverTab& tab,
              const Regional& regional) {
  const std::string& separator = tab.separator;
  if (!hasSeparator(line, separator)) {
    table.setCell(1, row, "");
    table.setCell(2, row, "");
    return;
  }
  const std::string first = cleanAmountField(csvField(line, separator, cols.amount), 0, regional);
  const std::string second =
      cols.amount2 >= 1 ? cleanAmountField(csvField(line, separator, cols.amount2), 21, regional) : std::string();
  std::string amountText = chooseAmount(first, second);
  table.setCell(1, row, cleanAccount(csvField(line, separator, cols.account), cols.accountLength));
  amountText = amount::rewriteDecimalPoint(std::move(amountText));
  table.setCell(2, row, amount::applyCoefficient(std::move(amountText), tab.coefficient, regional));
}

bool hasCodeIn0To47Or58To127(const std::string& account) {
  bool found = false;
  forEachCodePoint(account, [&](char32_t c) {
    const int code = cp1250Code(c);
    found = found || code <= 47 || (code >= 58 && code <= 127);
  });
  return found;
}

void cleanUp(ImportTable& table) {
  table.keepRowsIf(2, [](const ImportTable::Row& row) { return !row[1].empty(); });
  table.keepRowsIf(1, [](const ImportTable::Row& row) { return !hasCodeIn0To47Or58To127(row[1]); });
}

}  // namespace

std::string cleanAccount(const std::string& field, long long accountLength) {
  std::string text = amount::removeQuotes(field);
  text = amount::removeFirst(std::move(text), U'-', 2);
  text = amount::removeFirst(std::move(text), U' ', 2);
  // Ten passes removing the first occurrence of each code 21..47 and 58..255
  // amount to removing the first ten occurrences of each such code.
  std::array<unsigned char, 256> removed{};
  std::u32string kept;
  forEachCodePoint(text, [&](char32_t c) {
    const int code = cp1250Code(c);
    const bool listed = (code >= 21 && code <= 47) || code >= 58;
    if (listed && removed[static_cast<size_t>(code)] < 10)
      ++removed[static_cast<size_t>(code)];
    else
      kept += c;
  });
  if (accountLength != 0 && static_cast<long long>(kept.size()) < accountLength) kept.insert(kept.begin(), U'0');
  if (kept == U"0") kept.clear();
  return encodeUtf8(kept);
}

void NaplnitStringGrid(Workspace& ws, const std::vector<std::string>& lines, const Regional& regional) {
  const CsvTurnoverTab tab = csvTurnoverTab(ws.params);
  ImportTable& table = ws.table;
  table.clear(1, 3, 1, table.rowCount() - 1);
  table.setRowCount(ws.loadedCount + 1);

  size_t next = 0;
  if (tab.firstRow != "0") {
    const long long first = toInteger(tab.firstRow);
    if (first > 1) next = static_cast<size_t>(first - 1);
  }
  if (tab.firstRow == "0") tab.firstRow = "1";

  if (next < lines.size()) {
    const Columns cols{toInteger(tab.accountColumn), toInteger(tab.amountColumn), toInteger(tab.secondAmountColumn),
                       toInteger(tab.accountDigits)};
    for (int row = 1; next < lines.size(); ++next, ++row) readLine(table, row, lines[next], cols, tab, regional);
  }
  cleanUp(table);
}

void NaplnitCSVobraty(Workspace& ws, Services& services) {
  ws.mode = 1;
  const Parameters& p = ws.params;
  checkCsvSource(services.fs, services.messages, p.Edit3);

  const std::vector<std::string> lines = readSourceLines(services.fs, p.Edit3);
  ws.loadedCount = static_cast<int>(lines.size());
  writeHeaderTexts(ws.table);
  NaplnitStringGrid(ws, lines, services.regional);

  if (services.fs.fileExists(p.balanceDefinitionPath) && services.fs.fileExists(p.incomeDefinitionPath))
    ZkontrolujUcty(ws, services);
}

}  // namespace kalkora
