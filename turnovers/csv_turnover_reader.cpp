#include "turnovers/csv_turnover_reader.h"

#include <algorithm>
#include <array>
#include <optional>

#include "model/amount_steps.h"
#include "model/csv_fields.h"
#include "model/tab_views.h"
#include "platform/cp1250.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/messages.h"
#include "platform/number.h"
#include "platform/text_file.h"

namespace kalkora {
namespace {

// Cleans one amount field in its buffer: the quotes, up to five stray "Â" (what
// is left of a no-break space read in the wrong code page), the thousands
// separators and the spaces go, then a field with a character that is no
// part of a number is emptied; `lowest` is where the check's rejected codes
// start (0 for the first column, 21 for the second). Each step works in the
// buffer, so a field costs no allocation.
void cleanAmountField(std::string& buffer, int lowest, const Regional& regional) {
  // Most fields hold nothing that the removals remove; one look saves their searches.
  const char32_t separator = regional.thousandsSeparator;
  const bool removable = std::any_of(buffer.begin(), buffer.end(), [separator](char c) {
    return c == '"' || c == ' ' || static_cast<unsigned char>(c) >= 0x80 || static_cast<char32_t>(c) == separator;
  });
  if (removable) {
    buffer = amount::removeQuotes(std::move(buffer));
    buffer = amount::removeFirst(std::move(buffer), U'\u00C2', 5);
    buffer = amount::removeThousandsSeparators(std::move(buffer), regional);
    buffer = amount::removeSpaces(std::move(buffer));
  }
  buffer = amount::checkCharacters(std::move(buffer), lowest);
}

// Without "MD − D" the first column wins whenever it carries a value, the
// second is the fallback (empty meaning "0").
const std::string& chooseAmount(const std::string& first, const std::string& second) {
  const bool firstHasValue = !first.empty() && first != "0" && first != "0,00" && first != "0.0";
  return firstHasValue ? first : second;
}

struct Columns {
  long long account, amount, amount2, accountLength;
};

bool hasCodeIn0To47Or58To127(const std::string& account) {
  bool found = false;
  forEachCodePoint(account, [&](char32_t c) {
    const int code = c < 0x80 ? static_cast<int>(c) : cp1250Code(c);
    found = found || code <= 47 || (code >= 58 && code <= 127);
  });
  return found;
}

// Ten passes removing the first occurrence of each code 21..47 and 58..255
// amount to removing the first ten occurrences of each such code. Works in
// place on valid UTF-8; returns the number of characters kept.
long long removeTenOfEachListedCode(std::string& text) {
  std::array<unsigned char, 256> removed{};
  size_t out = 0;
  long long kept = 0;
  for (size_t in = 0; in < text.size();) {
    const size_t at = in;
    const auto b = static_cast<unsigned char>(text[in]);
    const int code = b < 0x80 ? (++in, b) : cp1250Code(nextCodePoint(text, in));
    const bool listed = (code >= 21 && code <= 47) || code >= 58;
    if (listed && removed[static_cast<size_t>(code)] < 10) {
      ++removed[static_cast<size_t>(code)];
      continue;
    }
    std::copy(text.begin() + static_cast<std::ptrdiff_t>(at), text.begin() + static_cast<std::ptrdiff_t>(in),
              text.begin() + static_cast<std::ptrdiff_t>(out));
    out += in - at;
    ++kept;
  }
  text.resize(out);
  return kept;
}

// Where the data rows start and which columns they take, read from the
// tab's boxes; the columns only when there is a line to read.
struct Layout {
  size_t firstLine = 0;  // lines before it are skipped
  Columns columns{};
};

Layout readLayout(const CsvTurnoverTab& tab, size_t lineCount) {
  Layout layout;
  if (tab.firstRow != "0") {
    const long long first = toInteger(tab.firstRow);
    if (first > 1) layout.firstLine = static_cast<size_t>(first - 1);
  }
  if (tab.firstRow == "0") tab.firstRow = "1";
  if (layout.firstLine < lineCount)
    layout.columns = Columns{toInteger(tab.accountColumn), toInteger(tab.amountColumn),
                             toInteger(tab.secondAmountColumn), toInteger(tab.accountDigits)};
  return layout;
}

// The rows of one load as its lines come: line n read becomes row n, kept
// only as the clean-up keeps rows: row 1 unless its account holds a code no
// account holds, a later row only with an account besides. Kept rows move up
// over the previous load's rows in place; column 0 is emptied, so no line
// number of an earlier P 5-01 load stays beside an account.
class RowBuilder {
 public:
  // lastRow: the row of the last line.
  RowBuilder(ImportTable& table, const CsvTurnoverTab& tab, const Columns& columns, const Regional& regional, int lastRow)
      : table_(table), tab_(tab), columns_(columns), regional_(regional), lastRow_(std::max(lastRow, 1)) {}

  void line(std::string_view text) {
    ++row_;
    if (!hasSeparator(text, tab_.separator)) {
      if (row_ == 1) store("", "");
      return;
    }
    csvField(account_, text, tab_.separator, columns_.account);
    account_ = cleanAccount(std::move(account_), columns_.accountLength);
    if ((row_ > 1 && account_.empty()) || hasCodeIn0To47Or58To127(account_)) return;
    csvField(first_, text, tab_.separator, columns_.amount);
    cleanAmountField(first_, 0, regional_);
    second_.clear();
    if (columns_.amount2 >= 1) {
      csvField(second_, text, tab_.separator, columns_.amount2);
      cleanAmountField(second_, 21, regional_);
    }
    if (tab_.debitMinusCredit) {
      // "MD − D": closing balances given as a debit and a credit column.
      amount_ = amount::difference(amount::rewriteDecimalPoint(first_), amount::rewriteDecimalPoint(second_));
    } else {
      amount_ = chooseAmount(first_, second_);
      if (amount_.empty()) amount_ = "0";
      amount_ = amount::rewriteDecimalPoint(std::move(amount_));
    }
    amount_ = amount::applyCoefficient(std::move(amount_), tab_.coefficient, regional_);
    store(account_, amount_);
  }

  // Drops the rows beyond the kept ones. A file with lines of which none was
  // read still has its empty first row.
  void finish(size_t lineCount) {
    if (row_ == 0 && lineCount > 0) {
      row_ = 1;
      store("", "");
    }
    table_.setRowCount(stored_ + 1);
  }

 private:
  void store(std::string_view account, std::string_view amount) {
    const int at = ++stored_;
    // Empty rows go on in blocks, never beyond a row per line; finish() cuts
    // the table to what was kept.
    if (at >= table_.rowCount()) table_.setRowCount(std::min(at + kRowsAddedAtOnce, lastRow_ + 1));
    table_.setCell(0, at, {});
    table_.setCell(1, at, std::string(account));
    table_.setCell(2, at, std::string(amount));
    table_.setCell(3, at, {});
  }

  static constexpr int kRowsAddedAtOnce = 4096;

  ImportTable& table_;
  const CsvTurnoverTab tab_;
  const Columns columns_;
  const Regional& regional_;
  const int lastRow_;
  int row_ = 0, stored_ = 0;
  std::string first_, second_, amount_, account_;
};

}  // namespace

std::string cleanAccount(std::string text, long long accountLength) {
  bool plainAscii = true, removable = false;
  for (const char c : text) {
    plainAscii = plainAscii && static_cast<unsigned char>(c) < 0x80;
    removable = removable || c == '"' || c == '-' || c == ' ';
  }
  if (removable) {
    text = amount::removeQuotes(std::move(text));
    text = amount::removeFirst(std::move(text), U'-', 2);
    text = amount::removeFirst(std::move(text), U' ', 2);
  }
  // An invalid byte reads as U+FFFD, and is kept as one if kept at all.
  if (!plainAscii && !isValidUtf8(text)) text = encodeUtf8(decodeUtf8(text));
  const bool digitsOnly = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
  const long long kept = digitsOnly ? static_cast<long long>(text.size()) : removeTenOfEachListedCode(text);
  if (accountLength != 0 && kept < accountLength) text.insert(0, 1, '0');
  if (text == "0") text.clear();
  return text;
}

void NaplnitCSVobraty(Workspace& ws, Services& services) {
  ws.mode = ImportMode::CsvTurnovers;
  Parameters& p = ws.params;
  const CsvTurnoverTab tab = csvTurnoverTab(p);
  checkCsvSource(services.fs, services.messages, p.Edit3);
  writeHeaderTexts(ws.table);
  std::optional<RowBuilder> rows;
  size_t index = 0, firstLine = 0;
  const auto start = [&](size_t lineCount) {
    ws.loadedCount = static_cast<int>(lineCount);
    Layout layout;
    try {
      layout = readLayout(tab, lineCount);
    } catch (const Error&) {
      // A box that holds no number stops the load with the table emptied
      // and sized to the file.
      ws.table.clear(0, 3, 1, ws.table.rowCount() - 1);
      ws.table.setRowCount(ws.loadedCount + 1);
      throw;
    }
    firstLine = layout.firstLine;
    const int lastRow = firstLine < lineCount ? static_cast<int>(lineCount - firstLine) : 0;
    // Room for every line read; pages are only taken as rows are kept.
    ws.table.reserveRows(lastRow + 1);
    rows.emplace(ws.table, tab, layout.columns, services.regional, lastRow);
  };
  const size_t lineCount = forEachLine(services.fs, p.Edit3, start, [&](std::string_view line) {
    if (index++ >= firstLine) rows->line(line);
  });
  rows->finish(lineCount);
}

}  // namespace kalkora
