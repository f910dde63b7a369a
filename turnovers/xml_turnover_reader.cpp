#include "turnovers/xml_turnover_reader.h"

#include <array>
#include <cstring>
#include <pugixml.hpp>

#include "model/xml_mapping.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/operation_stopped.h"
#include "platform/xml_file.h"
#include "model/amount_steps.h"
#include "model/tab_views.h"
#include "turnovers/csv_turnover_reader.h"

namespace kalkora {
namespace {

using P = XmlPart;

// The XML settings taken from the controls once per load.
class Shape {
 public:
  explicit Shape(const Parameters& p) {
    for (int n = 1; n <= kXmlPartCount; ++n) {
      names_[static_cast<size_t>(n - 1)] = xmlName(p, static_cast<XmlPart>(n));
      flags_[static_cast<size_t>(n - 1)] = xmlFlag(p, static_cast<XmlPart>(n));
    }
  }
  const char* name(XmlPart part) const { return names_[index(part)].c_str(); }
  bool has(XmlPart part) const { return flags_[index(part)]; }
  bool hasAll(std::initializer_list<XmlPart> parts) const {
    for (XmlPart part : parts)
      if (!has(part)) return false;
    return true;
  }
  // A second amount is read only when its box names it and its flag is set.
  bool wants(XmlPart part) const { return has(part) && !names_[index(part)].empty(); }

 private:
  static size_t index(XmlPart part) { return static_cast<size_t>(part) - 1; }
  std::array<std::string, kXmlPartCount> names_;
  std::array<bool, kXmlPartCount> flags_{};
};

// The first record: the first parent element below the document element,
// reached through the preceding element and, with it, the root element.
pugi::xml_node startNode(const pugi::xml_document& doc, const Shape& shape) {
  pugi::xml_node base = doc.document_element();
  if (shape.has(P::PrecedingElement)) {
    if (shape.has(P::RootElement)) base = base.child(shape.name(P::RootElement));
    base = base.child(shape.name(P::PrecedingElement));
  }
  return base.child(shape.name(P::ParentElement));
}

std::string childText(pugi::xml_node parent, const Shape& shape, XmlPart part) {
  return xmlText(parent.child(shape.name(part)));  // "" for an absent child
}

// The amounts of one record before they are chosen between.
struct Amounts {
  std::string final, first, second;
};

std::string removeCodePrefix(std::string account) {
  const auto pos = account.find("code:");
  return pos == std::string::npos ? account : account.substr(pos + 5);
}

void elementLayout(pugi::xml_node record, const Shape& shape, std::string& account, Amounts& a) {
  account = removeCodePrefix(childText(record, shape, P::AccountElement));
  a.first = childText(record, shape, P::AmountElement);
  if (shape.wants(P::SecondAmountElement)) a.second = childText(record, shape, P::SecondAmountElement);
}

void itemAttributeLayout(pugi::xml_node record, const Shape& shape, std::string& account, Amounts& a) {
  const pugi::xml_node item = record.child(shape.name(P::ItemElement));
  account = amount::removeFirst(item.attribute(shape.name(P::ItemAccountAttribute)).value(), U'-', 1);
  if (const auto amount = item.attribute(shape.name(P::AmountAttribute))) a.final = amount.value();
  if (shape.wants(P::SecondAmountAttribute))
    if (const auto second = item.attribute(shape.name(P::SecondAmountAttribute))) a.second = second.value();
}

void parentAttributeLayout(pugi::xml_node record, const Shape& shape, std::string& account, Amounts& a) {
  account = record.attribute(shape.name(P::ParentAccountAttribute)).value();
  a.first = childText(record, shape, P::AmountElement);
  if (shape.wants(P::SecondAmountElement)) a.second = childText(record, shape, P::SecondAmountElement);
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

void readRecord(pugi::xml_node node, int row, const Shape& shape, Workspace& ws, const Regional& regional) {
  Amounts amounts;
  if (node.type() == pugi::node_element && std::strcmp(node.name(), shape.name(P::ParentElement)) == 0) {
    std::string account;
    const auto layout = [&](std::initializer_list<XmlPart> needed, auto read) {
      if (!shape.hasAll(needed)) return;
      read(node, shape, account, amounts);
      ws.table.setCell(1, row, std::move(account));
    };
    layout({P::ParentElement, P::AccountElement, P::AmountElement}, elementLayout);
    layout({P::ParentElement, P::ItemAccountAttribute, P::AmountAttribute}, itemAttributeLayout);
    layout({P::ParentElement, P::ParentAccountAttribute, P::AmountElement}, parentAttributeLayout);
  }
  std::string text = amount::rewriteDecimalPoint(chooseAmount(std::move(amounts), regional));
  ws.table.setCell(2, row, amount::applyCoefficient(std::move(text), xmlTurnoverTab(ws.params).coefficient, regional));
}

}  // namespace

void NaplnitXMLobraty(Workspace& ws, Services& services) {
  ws.mode = ImportMode::XmlTurnovers;
  const Parameters& p = ws.params;
  if (!services.fs.fileExists(p.Edit3)) throw Error(kSourceNotFound);
  writeHeaderTexts(ws.table);
  ws.loadedCount = 0;

  // One parse serves both the counting and the reading pass. Comments and
  // processing instructions among the records are nodes of the walk: each
  // counts as loaded and leaves an empty row.
  pugi::xml_document doc;
  const bool parsed = loadXml(doc, services.fs.readFile(p.Edit3), XmlNodes::All);
  const Shape shape(p);
  const pugi::xml_node start = parsed ? startNode(doc, shape) : pugi::xml_node();
  if (!start) throw OperationStopped(kXmlStructureMessage);
  for (pugi::xml_node node = start; node; node = node.next_sibling()) ++ws.loadedCount;

  // Every row goes, not only the first thousand: a row beyond them would
  // otherwise keep the account of an earlier load. Column 0 goes too: the
  // line numbers a P 5-01 load left there would reach the control CSV.
  ws.table.clear(0, 3, 1, ws.table.rowCount() - 1);
  ws.table.setRowCount(ws.loadedCount + 10);
  try {
    int row = 1;
    for (pugi::xml_node node = start; node; node = node.next_sibling(), ++row)
      readRecord(node, row, shape, ws, services.regional);
  } catch (...) {
    removeEmptyRows(ws.table, 1);
    throw;
  }
  removeEmptyRows(ws.table, 1);
}

}  // namespace kalkora
