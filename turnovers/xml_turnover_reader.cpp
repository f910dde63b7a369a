#include "turnovers/xml_turnover_reader.h"

#include <cstring>
#include <pugixml.hpp>

#include "app/xml_mapping.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/xml_file.h"
#include "statements/amount_steps.h"
#include "turnovers/account_check.h"
#include "turnovers/csv_turnover_reader.h"

namespace kalkora {
namespace {

using P = XmlPart;

bool flags(const Parameters& p, std::initializer_list<XmlPart> parts) {
  for (XmlPart part : parts)
    if (!xmlFlag(p, part)) return false;
  return true;
}

const char* name(const Parameters& p, XmlPart part) { return xmlName(p, part).c_str(); }

// The first record: the first parent element below the document element,
// reached through the preceding element and, with it, the root element.
pugi::xml_node startNode(const pugi::xml_document& doc, const Parameters& p) {
  pugi::xml_node base = doc.document_element();
  if (xmlFlag(p, P::PrecedingElement)) {
    if (xmlFlag(p, P::RootElement)) base = base.child(name(p, P::RootElement));
    base = base.child(name(p, P::PrecedingElement));
  }
  return base.child(name(p, P::ParentElement));
}

// The text of an element and everything in it, trimmed, as the DOM's text
// property gives it. Walks without recursion, so any nesting depth is fine.
std::string elementText(pugi::xml_node element) {
  std::string text;
  if (!element) return text;
  pugi::xml_node node = element.first_child();
  while (node) {
    if (node.type() == pugi::node_pcdata || node.type() == pugi::node_cdata) text += node.value();
    if (node.first_child()) {
      node = node.first_child();
      continue;
    }
    while (node && node != element && !node.next_sibling()) node = node.parent();
    if (!node || node == element) break;
    node = node.next_sibling();
  }
  const auto first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

std::string childText(pugi::xml_node parent, const Parameters& p, XmlPart part) {
  return elementText(parent.child(name(p, part)));
}

// The amounts of one record before they are chosen between.
struct Amounts {
  std::string final, first, second;
};

bool secondAmountWanted(const Parameters& p, XmlPart part) {
  return !xmlName(p, part).empty() && xmlFlag(p, part);
}

std::string removeCodePrefix(std::string account) {
  const auto pos = account.find("code:");
  return pos == std::string::npos ? account : account.substr(pos + 5);
}

void elementLayout(pugi::xml_node record, const Parameters& p, std::string& account, Amounts& a) {
  account = removeCodePrefix(childText(record, p, P::AccountElement));
  a.first = childText(record, p, P::AmountElement);
  if (secondAmountWanted(p, P::SecondAmountElement)) a.second = childText(record, p, P::SecondAmountElement);
}

void itemAttributeLayout(pugi::xml_node record, const Parameters& p, std::string& account, Amounts& a) {
  const pugi::xml_node item = record.child(name(p, P::ItemElement));
  account = amount::removeFirst(item.attribute(name(p, P::ItemAccountAttribute)).value(), U'-', 1);
  if (const auto amount = item.attribute(name(p, P::AmountAttribute))) a.final = amount.value();
  if (secondAmountWanted(p, P::SecondAmountAttribute))
    if (const auto second = item.attribute(name(p, P::SecondAmountAttribute))) a.second = second.value();
}

void parentAttributeLayout(pugi::xml_node record, const Parameters& p, std::string& account, Amounts& a) {
  account = record.attribute(name(p, P::ParentAccountAttribute)).value();
  a.first = childText(record, p, P::AmountElement);
  if (secondAmountWanted(p, P::SecondAmountElement)) a.second = childText(record, p, P::SecondAmountElement);
}

std::string cleanAmount(std::string text, const Regional& regional) {
  text = amount::removeFirst(std::move(text), U'*', 10);
  text = amount::markThousandsSeparators(std::move(text), regional);
  return amount::removeSpaces(std::move(text));
}

// The second amount when there is one, unless the first carries a value.
std::string chooseAmount(Amounts a, const Regional& regional) {
  a.first = cleanAmount(std::move(a.first), regional);
  a.second = cleanAmount(std::move(a.second), regional);
  if (!a.second.empty()) a.final = a.second;
  if (!a.first.empty() && a.first != "0" && a.first != "0,00" && a.first != "0.0") a.final = a.first;
  return a.final.empty() ? "0" : a.final;
}

void readRecord(pugi::xml_node node, int row, Workspace& ws, const Regional& regional) {
  const Parameters& p = ws.params;
  Amounts amounts;
  if (node.type() == pugi::node_element && std::strcmp(node.name(), name(p, P::ParentElement)) == 0) {
    std::string account;
    const auto layout = [&](std::initializer_list<XmlPart> needed, auto read) {
      if (!flags(p, needed)) return;
      read(node, p, account, amounts);
      ws.table.setCell(1, row, account);
    };
    layout({P::ParentElement, P::AccountElement, P::AmountElement}, elementLayout);
    layout({P::ParentElement, P::ItemAccountAttribute, P::AmountAttribute}, itemAttributeLayout);
    layout({P::ParentElement, P::ParentAccountAttribute, P::AmountElement}, parentAttributeLayout);
  }
  std::string text = amount::rewriteDecimalPoint(chooseAmount(std::move(amounts), regional));
  ws.table.setCell(2, row, amount::applyCoefficient(std::move(text), p.Edit14, regional));
}

void removeRowsWithoutAccount(ImportTable& table) {
  table.keepRowsIf(2, [](const ImportTable::Row& row) { return !row[1].empty(); });
}

}  // namespace

void naplnitXmlObraty(Workspace& ws, Services& services) {
  ws.mode = 2;
  const Parameters& p = ws.params;
  if (!services.fs.fileExists(p.Edit3)) throw Error(kSourceNotFound);
  writeHeaderTexts(ws.table);
  ws.loadedCount = 0;

  // One parse serves both the counting and the reading pass.
  pugi::xml_document doc;
  const std::string bytes = services.fs.readFile(p.Edit3);
  const pugi::xml_node start = loadXml(doc, bytes) ? startNode(doc, p) : pugi::xml_node();
  if (!start) throw Error(kXmlStructureMessage);
  for (pugi::xml_node node = start; node; node = node.next_sibling()) ++ws.loadedCount;

  // Every row goes, not only the first thousand: a row beyond them would
  // otherwise keep the account of an earlier load.
  ws.table.clear(1, 3, 1, ws.table.rowCount() - 1);
  ws.table.setRowCount(ws.loadedCount + 10);
  try {
    int row = 1;
    for (pugi::xml_node node = start; node; node = node.next_sibling(), ++row)
      readRecord(node, row, ws, services.regional);
  } catch (...) {
    removeRowsWithoutAccount(ws.table);
    throw;
  }
  removeRowsWithoutAccount(ws.table);

  if (services.fs.fileExists(p.balanceDefinitionPath) && services.fs.fileExists(p.incomeDefinitionPath))
    zkontrolujUcty(ws, services);
}

}  // namespace kalkora
