#include "xlsx/worksheet_xml.h"

#include <charconv>
#include <cmath>
#include <cstring>

#include "xlsx/shared_formula.h"
#include "xlsx/xml_part.h"
#include "platform/error.h"

namespace kalkora {
namespace {

std::optional<int> parsePositive(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 1) return std::nullopt;
  return value;
}

// The shortest text that reads back as the same double ("12", "0.1", "1e+300").
std::string numberText(double value) {
  if (value == 0) return "0";
  char buf[32];
  const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value);
  return std::string(buf, end);
}

bool isFormulaOfKind(pugi::xml_node formula, const char* kind) {
  return std::strcmp(formula.attribute("t").value(), kind) == 0;
}

void removeChildren(pugi::xml_node parent, std::string_view local) {
  for (pugi::xml_node child = parent.first_child(); child;) {
    const pugi::xml_node next = child.next_sibling();
    if (child.type() == pugi::node_element && localName(child) == local) parent.remove_child(child);
    child = next;
  }
}

int columnOf(pugi::xml_node cell) {
  const auto reference = parseCellReference(cell.attribute("r").value());
  return reference ? reference->column : 0;
}

void setAttribute(pugi::xml_node node, const char* attribute, const std::string& value) {
  pugi::xml_attribute a = node.attribute(attribute);
  if (!a) a = node.append_attribute(attribute);
  a.set_value(value.c_str());
}

// Row spans ("1:5") are only a loading hint; a single span is widened to the
// new cell, any other form is dropped rather than left wrong.
void widenSpans(pugi::xml_node row, int column) {
  pugi::xml_attribute spans = row.attribute("spans");
  if (!spans) return;
  const std::string_view text = spans.value();
  const auto colon = text.find(':');
  const auto first = parsePositive(text.substr(0, colon));
  const auto last = colon == std::string_view::npos ? std::nullopt : parsePositive(text.substr(colon + 1));
  if (!first || !last) {
    row.remove_attribute(spans);
    return;
  }
  spans.set_value((std::to_string(std::min(*first, column)) + ":" + std::to_string(std::max(*last, column))).c_str());
}

}  // namespace

WorksheetXml::WorksheetXml(XmlText xml, std::string workbook, std::string sheetName, std::string part)
    : workbook_(std::move(workbook)), sheetName_(std::move(sheetName)), size_(xml.size) {
  loadPartInPlace(doc_, std::move(xml), workbook_, part);
  const pugi::xml_node root = doc_.document_element();
  prefix_ = prefixOf(root);
  fName_ = name("f");
  sheetData_ = childByLocalName(root, "sheetData");
  if (localName(root) != "worksheet" || !sheetData_)
    throw Error("Sešit " + workbook_ + " je poškozený: část " + part + " (list „" + sheetName_ +
                "“) není list s buňkami.");
  indexRows();
  for (pugi::xml_node col : childByLocalName(root, "cols").children()) {
    const auto first = parsePositive(col.attribute("min").value());
    const auto last = parsePositive(col.attribute("max").value());
    const std::string_view style = col.attribute("style").value();
    if (localName(col) == "col" && first && last && !style.empty())
      columnStyles_.push_back({*first, *last, std::string(style)});
  }
}

// Gives every row and cell an explicit number, so that rows and cells
// inserted later cannot shift the implicit numbering of those after them,
// and notes the ranges of array formulas and data tables.
void WorksheetXml::indexRows() {
  const std::string rowName = name("row"), cName = name("c");
  int previousRow = 0;
  for (pugi::xml_node row = sheetData_.first_child(); row; row = row.next_sibling()) {
    if (std::strcmp(row.name(), rowName.c_str()) != 0) continue;
    const auto number = parsePositive(row.attribute("r").value());
    const int rowNumber = number ? *number : previousRow + 1;
    if (!number) setAttribute(row, "r", std::to_string(rowNumber));
    rows_.emplace(rowNumber, Row{row, false, {}});
    previousRow = rowNumber;
    // A cell's column is worked out only where it is needed (a cell without
    // a number counts on from the one before; formula cells are noted).
    pugi::xml_node previous;
    for (pugi::xml_node c = row.first_child(); c; c = c.next_sibling()) {
      if (std::strcmp(c.name(), cName.c_str()) != 0) continue;
      int column = 0;
      if (!c.attribute("r")) {
        column = (previous ? columnOf(previous) : 0) + 1;
        setAttribute(c, "r", formatCellReference(rowNumber, column));
      }
      previous = c;
      const pugi::xml_node formula = formulaOf(c);
      if (!formula) continue;
      formulaCells_.emplace_back(column > 0 ? column : columnOf(c), c);
      const auto range = parseCellRange(formula.attribute("ref").value());
      if (range && isFormulaOfKind(formula, "array")) arrayRanges_.push_back(*range);
      if (range && isFormulaOfKind(formula, "dataTable")) dataTableRanges_.push_back(*range);
    }
  }
}

// The formula comes first in a cell, before its value.
pugi::xml_node WorksheetXml::formulaOf(pugi::xml_node cell) const {
  pugi::xml_node first = cell.first_child();
  while (first && first.type() != pugi::node_element) first = first.next_sibling();
  return first && std::string_view(first.name()) == fName_ ? first : pugi::xml_node();
}

WorksheetXml::Row& WorksheetXml::indexedRow(Row& row) {
  if (row.indexed) return row;
  for (pugi::xml_node c = row.node.first_child(); c; c = c.next_sibling()) {
    if (c.type() != pugi::node_element || localName(c) != "c") continue;
    if (const auto reference = parseCellReference(c.attribute("r").value()))
      row.cells.emplace(reference->column, c);
  }
  row.indexed = true;
  return row;
}

StoredValue WorksheetXml::cell(int row, int column) {
  const auto rowIt = rows_.find(row);
  if (rowIt == rows_.end()) return {};
  const Row& indexed = indexedRow(rowIt->second);
  const auto cellIt = indexed.cells.find(column);
  if (cellIt == indexed.cells.end()) return {};
  const pugi::xml_node c = cellIt->second;
  const std::string_view type = c.attribute("t").value();
  if (type == "inlineStr") return {StoredValue::Kind::Text, stringItemText(childByLocalName(c, "is"))};
  const pugi::xml_node v = childByLocalName(c, "v");
  if (!v) return {};
  std::string text = v.child_value();
  if (type == "s") return {StoredValue::Kind::SharedString, std::move(text)};
  if (type == "b") return {StoredValue::Kind::Text, text == "1" || text == "true" ? "TRUE" : "FALSE"};
  if (type == "str" || type == "e" || type == "d") return {StoredValue::Kind::Text, std::move(text)};
  if (text.empty()) return {};
  return {StoredValue::Kind::Number, std::move(text)};
}

bool WorksheetXml::writeNumber(int row, int column, double value) {
  const std::string reference = formatCellReference(row, column);
  if (!std::isfinite(value))
    throw Error("Do buňky " + reference + " na listu „" + sheetName_ + "“ nelze zapsat hodnotu, která není číslo.");
  refuseArrayCell(row, column);
  Row& rowEntry = rowForWriting(row);
  pugi::xml_node c = cellForWriting(rowEntry, row, column);
  const pugi::xml_node formula = formulaOf(c);
  const bool hadFormula = static_cast<bool>(formula);
  if (hadFormula) {
    releaseFromSharedFormula(formula, row, column);
    c.remove_child(formula);
  }
  c.remove_attribute("t");
  // Cell and value metadata belong to a dynamic array or a rich value.
  c.remove_attribute("cm");
  c.remove_attribute("vm");
  removeChildren(c, "v");
  removeChildren(c, "is");
  c.prepend_child(name("v").c_str()).text().set(numberText(value).c_str());
  widenDimension(row, column);
  modified_ = true;
  return hadFormula;
}

void WorksheetXml::refuseArrayCell(int row, int column) const {
  const std::string cell = "Buňku " + formatCellReference(row, column) + " na listu „" + sheetName_ + "“ nelze přepsat: ";
  for (const CellRange& range : arrayRanges_)
    if (range.contains(row, column))
      throw Error(cell + "je součástí maticového vzorce " + formatCellRange(range) + " a část matice nelze měnit.");
  for (const CellRange& range : dataTableRanges_)
    if (range.contains(row, column))
      throw Error(cell + "je součástí tabulky dat " + formatCellRange(range) + " a část tabulky dat nelze měnit.");
}

WorksheetXml::Row& WorksheetXml::rowForWriting(int row) {
  if (const auto it = rows_.find(row); it != rows_.end()) return indexedRow(it->second);
  const auto next = rows_.upper_bound(row);
  pugi::xml_node node = next != rows_.end() ? sheetData_.insert_child_before(name("row").c_str(), next->second.node)
                                            : sheetData_.append_child(name("row").c_str());
  node.append_attribute("r").set_value(row);
  return rows_.emplace(row, Row{node, true, {}}).first->second;
}

pugi::xml_node WorksheetXml::cellForWriting(Row& row, int rowNumber, int column) {
  if (const auto it = row.cells.find(column); it != row.cells.end()) return it->second;
  const auto next = row.cells.upper_bound(column);
  const std::string cName = name("c");
  pugi::xml_node c;
  if (next != row.cells.end()) {
    c = row.node.insert_child_before(cName.c_str(), next->second);
  } else if (const pugi::xml_node extension = childByLocalName(row.node, "extLst")) {
    c = row.node.insert_child_before(cName.c_str(), extension);
  } else {
    c = row.node.append_child(cName.c_str());
  }
  c.append_attribute("r").set_value(formatCellReference(rowNumber, column).c_str());
  if (const std::string style = newCellStyle(row.node, column); !style.empty() && style != "0")
    c.append_attribute("s").set_value(style.c_str());
  widenSpans(row.node, column);
  row.cells.emplace(column, c);
  return c;
}

// Overwriting the first cell of a shared formula would take the formula from
// every other cell of the group; the next cell of the group takes it over.
void WorksheetXml::releaseFromSharedFormula(pugi::xml_node formula, int row, int column) {
  const std::string text = formula.child_value();
  const auto range = parseCellRange(formula.attribute("ref").value());
  if (!isFormulaOfKind(formula, "shared") || text.empty() || !range) return;
  auto members = sharedGroupMembers(*range, formula.attribute("si").value());
  std::erase_if(members, [&](const auto& m) { return m.first == CellReference{row, column}; });
  if (members.empty()) return;
  CellRange box{members.front().first, members.front().first};
  for (const auto& [at, node] : members) {
    box.first.column = std::min(box.first.column, at.column);
    box.last.column = std::max(box.last.column, at.column);
    box.last.row = std::max(box.last.row, at.row);
  }
  const auto formulaAt = [&](const CellReference& at) {
    return shiftFormula(text, at.row - row, at.column - column);
  };
  const auto takeOver = [&](pugi::xml_node target) {
    for (const pugi::xml_attribute a : formula.attributes())
      if (!target.attribute(a.name())) target.append_attribute(a.name()).set_value(a.value());
  };
  const auto& [first, firstCell] = members.front();
  if (box.first == first) {
    pugi::xml_node master = formulaOf(firstCell);
    master.text().set(formulaAt(first).c_str());
    takeOver(master);
    master.attribute("ref").set_value(formatCellRange(box).c_str());
    return;
  }
  // The rest of the group no longer has a top-left cell to share from: each
  // cell gets its own formula.
  for (const auto& [at, c] : members) {
    pugi::xml_node own = formulaOf(c);
    own.text().set(formulaAt(at).c_str());
    takeOver(own);
    own.remove_attribute("t");
    own.remove_attribute("si");
    own.remove_attribute("ref");
  }
}

std::vector<std::pair<CellReference, pugi::xml_node>> WorksheetXml::sharedGroupMembers(const CellRange& range,
                                                                                      std::string_view si) {
  std::vector<std::pair<CellReference, pugi::xml_node>> members;
  for (auto rowIt = rows_.lower_bound(range.first.row); rowIt != rows_.end() && rowIt->first <= range.last.row;
       ++rowIt) {
    const Row& row = indexedRow(rowIt->second);
    for (auto it = row.cells.lower_bound(range.first.column); it != row.cells.end() && it->first <= range.last.column;
         ++it) {
      const pugi::xml_node f = formulaOf(it->second);
      if (f && isFormulaOfKind(f, "shared") && si == f.attribute("si").value())
        members.emplace_back(CellReference{rowIt->first, it->first}, it->second);
    }
  }
  return members;
}

std::string WorksheetXml::newCellStyle(pugi::xml_node row, int column) const {
  if (row.attribute("customFormat").as_bool()) return row.attribute("s").value();
  for (const ColumnStyle& c : columnStyles_)
    if (c.first <= column && column <= c.last) return c.style;
  return {};
}

void WorksheetXml::widenDimension(int row, int column) {
  pugi::xml_node dimension = childByLocalName(doc_.document_element(), "dimension");
  const auto range = parseCellRange(dimension.attribute("ref").value());
  if (!range) return;
  CellRange wider = *range;
  wider.first.row = std::min(wider.first.row, row);
  wider.first.column = std::min(wider.first.column, column);
  wider.last.row = std::max(wider.last.row, row);
  wider.last.column = std::max(wider.last.column, column);
  dimension.attribute("ref").set_value(formatCellRange(wider).c_str());
}

bool WorksheetXml::dropCachedFormulaValues(int keepColumn) {
  bool dropped = false;
  for (auto& [column, c] : formulaCells_) {
    if (column == keepColumn || !formulaOf(c)) continue;  // a written cell has lost its formula
    const pugi::xml_node v = childByLocalName(c, "v");
    if (!v) continue;
    c.remove_child(v);
    c.remove_attribute("t");
    dropped = true;
  }
  modified_ = modified_ || dropped;
  return dropped;
}

bool WorksheetXml::mayHoldFormulas(std::string_view xml) {
  for (size_t at = xml.find("f"); at != std::string_view::npos; at = xml.find('f', at + 1)) {
    if (at == 0 || at + 1 >= xml.size()) continue;
    const char before = xml[at - 1];
    const char after = xml[at + 1];
    if ((before == '<' || before == ':') && (after == '>' || after == ' ' || after == '/')) return true;
  }
  return false;
}

std::string WorksheetXml::save() const { return savePart(doc_, size_ + size_ / 8); }

}  // namespace kalkora
