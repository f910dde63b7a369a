#include "statements/ruz_statement_reader.h"

#include <pugixml.hpp>

#include "model/source_file.h"
#include "platform/file_system.h"
#include "platform/operation_stopped.h"
#include "platform/xml_file.h"
#include "model/amount_steps.h"
#include "model/tab_views.h"
#include "statements/non_xml_source.h"
#include "statements/statement_header.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

constexpr int kBalanceLines = 145;
constexpr int kIncomeLines = 61;
constexpr int kFirstLiabilitiesLine = 79;
constexpr int kRowCount = 1 + kBalanceLines + kIncomeLines;

struct LineWriter {
  Workspace& ws;
  const Regional& regional;

  // Amounts are taken as the file gives them ("." stays "."); only the
  // coefficient applies. A line without an amount holds "0".
  void operator()(int row, int line, std::string amountText, const char* lineType, bool sumLine) const {
    if (amountText.empty()) amountText.push_back('0');
    ws.table.setCell(1, row, std::to_string(line));
    ws.table.setCell(2, row, amount::applyCoefficient(std::move(amountText), ruzTab(ws.params).coefficient, regional));
    ws.table.setCell(3, row, std::string(lineType) + (sumLine ? " - suma" : ""));
  }
};

// Balance-sheet lines 1 to 145 in rows 1 to 145: the current amount is "s3",
// or "s5" where the line has none (the liabilities lines). An absent line
// reads as "0". Only these lines are written, however many parts follow the
// balance sheet in the file.
void readBalanceSheet(pugi::xml_node sheet, const LineWriter& write) {
  for (int n = 1; n <= kBalanceLines; ++n) {
    const pugi::xml_node line = sheet.child(ruzBalanceElement(n).c_str());
    std::string amountText = xmlText(line.child("s3"));
    if (amountText.empty()) amountText = xmlText(line.child("s5"));
    write(n, n, std::move(amountText), n < kFirstLiabilitiesLine ? "Rozvaha aktiva" : "Rozvaha pasiva",
          isSlovakBalanceSumLine(n));
  }
}

// Income-statement lines 1 to 61 in rows 146 to 206, amount "s1". A file
// without the income statement leaves these rows empty.
void readIncomeStatement(pugi::xml_node statement, const LineWriter& write) {
  if (!statement) return;
  for (int n = 1; n <= kIncomeLines; ++n) {
    const pugi::xml_node line = statement.child(ruzIncomeElement(n).c_str());
    write(kBalanceLines + n, n, xmlText(line.child("s1")), "Výsledovka", isSlovakIncomeSumLine(n));
  }
}

// The box takes the value of every element of that name from the first one
// on; without such an element it keeps its text.
void readHeaderBox(pugi::xml_node header, const char* element, const char* child, const char* grandchild,
                   std::string& box) {
  for (pugi::xml_node n = header.child(element); n; n = n.next_sibling())
    if (std::string_view(n.name()) == element) box = xmlText(n.child(child).child(grandchild));
}

std::string lineElement(int line, int width) {
  std::string digits = std::to_string(line);
  if (static_cast<int>(digits.size()) < width) digits.insert(0, static_cast<size_t>(width) - digits.size(), '0');
  return "r" + digits;
}

// The register files other forms than the one read here, each with tables
// of its own prefix (the micro-entity form "ucMuj…"): the first such table
// of the body, or "" when it holds none.
std::string otherFormTable(pugi::xml_node body) {
  for (pugi::xml_node n = body.first_child(); n; n = n.next_sibling()) {
    const std::string_view name = n.name();
    const bool otherForm = name.starts_with("uc") && !name.starts_with("ucPod");
    if (n.type() == pugi::node_element && otherForm) return std::string(name);
  }
  return {};
}

}  // namespace

std::string ruzOtherFormMessage(const std::string& table) {
  return "Soubor obsahuje závěrku registru RUZ jiného vzoru (výkaz " + table +
         "). Program načítá jen řádný vzor registru s výkazy ucPod…, ne vzor pro mikro účetní jednotky ani jiné vzory.";
}

std::string ruzBalanceElement(int line) { return lineElement(line, 3); }
std::string ruzIncomeElement(int line) { return lineElement(line, 2); }

void NaplnitRUZvykazy(Workspace& ws, Services& services) {
  ws.mode = ImportMode::RuzStatement;
  const Parameters& p = ws.params;
  requireSourceFile(services.fs, p.Edit3);
  writeStatementHeader(ws.table);
  ws.loadedCount = 0;

  pugi::xml_document doc;
  const std::string bytes = services.fs.readFile(p.Edit3);
  const bool parsed = loadXml(doc, bytes);
  if (!parsed) stopOnNonXml(bytes, kRuzWhatIsRead);
  const pugi::xml_node body = doc.document_element().child("telo");
  const pugi::xml_node balanceSheet = body.child("ucPod1Suvaha");
  if (!parsed || !balanceSheet) {
    const std::string table = parsed ? otherFormTable(body) : std::string();
    throw OperationStopped(table.empty() ? kRuzStructureMessage : ruzOtherFormMessage(table));
  }
  // The loaded count: the balance sheet and every part after it.
  for (pugi::xml_node n = balanceSheet; n; n = n.next_sibling()) ++ws.loadedCount;

  // Column 0 too: a P 5-01 load leaves its line numbers there.
  ws.table.clear(0, 3, 1, 500);
  ws.table.setRowCount(kRowCount);
  const LineWriter write{ws, services.regional};
  readBalanceSheet(balanceSheet, write);
  readIncomeStatement(body.child("ucPod2VykazZS"), write);

  const pugi::xml_node header = doc.document_element().child("hlavicka");
  const RuzTab tab = ruzTab(ws.params);
  readHeaderBox(header, "uctJednotka", "obchMeno", "riadok", tab.companyName);
  readHeaderBox(header, "obdobie", "od", "rok", tab.year);
}

}  // namespace kalkora
