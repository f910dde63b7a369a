#include "statements/tax_return_reader.h"

#include <algorithm>
#include <array>
#include <optional>
#include <pugixml.hpp>

#include "model/source_file.h"
#include "platform/cp1250.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "platform/operation_stopped.h"
#include "platform/xml_file.h"
#include "model/amount_steps.h"
#include "model/tab_views.h"
#include "statements/non_xml_source.h"
#include "statements/statement_header.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

constexpr const char* kForms[] = {"DPPDP8", "DPPDP9"};
// The table holds 300 rows; row 300 is never filled, so at most 299 lines.
constexpr int kRowCount = 300;
// Line numbers are 32-bit integers; a larger one is no line number.
constexpr long long kSmallestLine = -2147483648LL + 77, kLargestLine = 2147483647LL - 77;

// The assets lines 78 to 81 of the return are shown as 74 to 77, the
// liabilities lines (numbered from 1 in the return) continue the assets
// numbering from 78, with 144 to 146 shown as 141 to 143. The sum-line test
// uses the number before that correction.
std::string assetsLine(const std::string& cRadku, long long number) {
  if (cRadku == "78" || cRadku == "79" || cRadku == "80" || cRadku == "81") return std::to_string(number - 4);
  return cRadku;
}
std::string liabilitiesLine(const std::string&, long long number) {
  const long long line = number + 77;
  return std::to_string(line >= 144 && line <= 146 ? line - 3 : line);
}
std::string incomeLine(const std::string& cRadku, long long) { return cRadku; }

struct ReturnPart {
  const char* element;
  const char* amountAttribute;
  const char* lineType;
  long long sumLineOffset;
  std::string (*shownLine)(const std::string& cRadku, long long number);
  bool (*isSumLine)(int line);
};

constexpr ReturnPart kAssets{"VetaUA", "kc_netto", "Rozvaha aktiva", 0, assetsLine, isCzechBalanceSumLine};
constexpr ReturnPart kLiabilities{"VetaUD", "kc_sled", "Rozvaha pasiva", 77, liabilitiesLine, isCzechBalanceSumLine};
constexpr ReturnPart kIncome{"VetaUB", "kc_sled", "Výsledovka", 0, incomeLine, isCzechIncomeSumLine};

// Reads one part from its first element and the directly following elements
// of the same name into rows from `row` on. The part ends at another element,
// at a line number that is missing or not an integer (that element's row
// stays free for the next part) and when the table is full.
void readPart(Workspace& ws, pugi::xml_node form, const ReturnPart& part, int& row, int& counter,
              const Regional& regional) {
  for (pugi::xml_node n = form.child(part.element); n && row < kRowCount; n = n.next_sibling()) {
    if (std::string_view(n.name()) != part.element) return;
    const pugi::xml_attribute cRadku = n.attribute("c_radku");
    const auto number = parseInteger(cRadku.value());
    if (!cRadku || !number || *number < kSmallestLine || *number > kLargestLine) return;
    std::string amountText =
        amount::applyCoefficient(n.attribute(part.amountAttribute).value(), taxReturnTab(ws.params).coefficient, regional);
    if (amountText.empty()) amountText.push_back('0');
    const bool sumLine = part.isSumLine(static_cast<int>(*number + part.sumLineOffset));
    ws.table.setCell(1, row, part.shownLine(cRadku.value(), *number));
    ws.table.setCell(2, row, std::move(amountText));
    ws.table.setCell(3, row, std::string(part.lineType) + (sumLine ? " - suma" : ""));
    ++row;
    ++counter;
  }
}

// The box takes the attribute of every element of that name from the first
// one on; an element without the attribute ends the walk.
template <class Value>
void readFormBox(pugi::xml_node form, const char* element, const char* attribute, std::string& box, Value value) {
  for (pugi::xml_node n = form.child(element); n; n = n.next_sibling()) {
    if (std::string_view(n.name()) != element) continue;
    const pugi::xml_attribute a = n.attribute(attribute);
    if (!a) return;
    box = value(a.value());
  }
}

bool digitsOnly(std::string_view text, size_t minLength, size_t maxLength) {
  return text.size() >= minLength && text.size() <= maxLength &&
         std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The three parts of a date between its two separators, or nothing when it
// has not exactly two.
std::optional<std::array<std::string_view, 3>> dateParts(std::string_view date, char separator) {
  const size_t first = date.find(separator);
  if (first == std::string_view::npos) return std::nullopt;
  const size_t second = date.find(separator, first + 1);
  if (second == std::string_view::npos || date.find(separator, second + 1) != std::string_view::npos)
    return std::nullopt;
  return std::array{date.substr(0, first), date.substr(first + 1, second - first - 1), date.substr(second + 1)};
}

// The year of the period end: from "31.12.2021" with or without the
// leading zeros of day and month ("31.3.2025", "1.1.2025"), or from
// "2021-12-31". Any other text gives its characters 7 to 10, as it always has.
std::string yearOf(const std::string& date) {
  if (const auto d = dateParts(date, '.')) {
    const auto [day, month, year] = *d;
    if (digitsOnly(day, 1, 2) && digitsOnly(month, 1, 2) && digitsOnly(year, 4, 4)) return std::string(year);
  }
  if (const auto d = dateParts(date, '-')) {
    const auto [year, month, day] = *d;
    if (digitsOnly(year, 4, 4) && digitsOnly(month, 2, 2) && digitsOnly(day, 2, 2)) return std::string(year);
  }
  const std::u32string chars = decodeUtf8(date);
  return chars.size() < 7 ? std::string() : encodeUtf8(std::u32string_view(chars).substr(6, 4));
}

// A filing of the tax portal holds its form as the first element of the
// document element "Pisemnost": the name of that form when it is none of
// the two read here, or "".
std::string otherForm(const pugi::xml_document& doc) {
  const pugi::xml_node filing = doc.document_element();
  if (std::string_view(filing.name()) != "Pisemnost") return {};
  const pugi::xml_node form = filing.find_child([](pugi::xml_node n) { return n.type() == pugi::node_element; });
  const std::string_view name = form.name();
  if (name.empty() || std::find(std::begin(kForms), std::end(kForms), name) != std::end(kForms)) return {};
  return std::string(name);
}

}  // namespace

std::string otherTaxFormMessage(const std::string& form) {
  return "Soubor je písemnost daňového portálu " + form +
         ". Program načítá jen přiznání k dani z příjmů právnických osob DPPDP8 a DPPDP9.";
}

void NaplnitMFCRvykazy(Workspace& ws, Services& services) {
  ws.mode = ImportMode::TaxReturn;
  const TaxReturnTab tab = taxReturnTab(ws.params);
  if (tab.form < 0 || tab.form >= static_cast<int>(std::size(kForms))) throw OperationStopped(kNoFormMessage);
  requireSourceFile(services.fs, ws.params.Edit3);
  writeStatementHeader(ws.table);
  ws.loadedCount = 0;

  pugi::xml_document doc;
  const std::string bytes = services.fs.readFile(ws.params.Edit3);
  const bool parsed = loadXml(doc, bytes);
  if (!parsed) stopOnNonXml(bytes, kTaxReturnWhatIsRead);
  const pugi::xml_node form = doc.document_element().child(kForms[tab.form]);
  if (!parsed || !form) {
    const std::string found = parsed ? otherForm(doc) : std::string();
    throw OperationStopped(found.empty() ? kTaxReturnStructureMessage : otherTaxFormMessage(found));
  }

  // Column 0 too: a P 5-01 load leaves its line numbers there.
  ws.table.clear(0, 3, 1, 1000);
  ws.table.setRowCount(kRowCount);
  int row = 1, balanceLines = 0, incomeLines = 0;
  readPart(ws, form, kAssets, row, balanceLines, services.regional);
  readPart(ws, form, kLiabilities, row, balanceLines, services.regional);
  tab.balanceLines = std::to_string(balanceLines);
  readPart(ws, form, kIncome, row, incomeLines, services.regional);
  tab.incomeLines = std::to_string(incomeLines);

  readFormBox(form, "VetaP", "zkrobchjm", tab.companyName, [](const char* v) { return std::string(v); });
  readFormBox(form, "VetaD", "zdobd_do", tab.year, [](const char* v) { return yearOf(v); });
  // Many returns are filed without the statements: no empty row is left to
  // export, and the user is told why the table is empty.
  if (balanceLines + incomeLines == 0) {
    ws.table.setRowCount(1);
    throw OperationStopped(kNoStatementsMessage);
  }
  removeEmptyRows(ws.table, 1);
}

}  // namespace kalkora
