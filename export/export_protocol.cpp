#include "export/export_protocol.h"

#include "platform/cell_address.h"
#include "platform/number.h"

namespace kalkora {
namespace {

// A field as CSV needs it: quoted when it holds the separator, a quote or a
// line end, quotes inside doubled.
std::string csvField(const std::string& text) {
  if (text.find_first_of(";\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (const char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string csvLine(std::initializer_list<std::string> fields) {
  std::string line;
  for (const std::string& field : fields) {
    if (&field != fields.begin()) line += ';';
    line += csvField(field);
  }
  return line + "\r\n";
}

}  // namespace

CellOrigins& noCellOrigins() {
  static CellOrigins none;
  return none;
}

ExportProtocol::ExportProtocol(Spreadsheet& target, char32_t decimalSeparator)
    : target_(target), decimalSeparator_(decimalSeparator) {}

std::string ExportProtocol::sheetName(int sheet) {
  std::string name = target_.sheetName(sheet);
  sheetNames_[sheet] = name;
  return name;
}

// The value before is read first; a write that fails is no line.
void ExportProtocol::writeNumber(int sheet, int row, int column, double value) {
  std::string before = target_.readCell(sheet, row, column);
  target_.writeNumber(sheet, row, column, value);
  record(sheet, row, column, std::move(before), formatShortest(value, decimalSeparator_));
}

void ExportProtocol::writeZeroText(int sheet, int row, int column) {
  std::string before = target_.readCell(sheet, row, column);
  target_.writeZeroText(sheet, row, column);
  record(sheet, row, column, std::move(before), "0");
  ++cleared_;
}

void ExportProtocol::dropChanges() {
  target_.dropChanges();
  dropped_ = true;
}

void ExportProtocol::note(std::string subject, std::string text) {
  notes_.emplace_back(std::move(subject), std::move(text));
}

void ExportProtocol::record(int sheet, int row, int column, std::string before, std::string written) {
  auto name = sheetNames_.find(sheet);
  if (name == sheetNames_.end()) name = sheetNames_.emplace(sheet, target_.sheetName(sheet)).first;
  lines_.push_back({name->second, formatCellReference(row, column), std::move(origin_.label), std::move(before),
                    std::move(written), std::move(origin_.source)});
  origin_ = {};
}

std::string ExportProtocol::csv() const {
  std::string text = "\xEF\xBB\xBF";
  text += csvLine({"List", "Buňka", "Řádek", "Hodnota před exportem", "Zapsaná hodnota", "Zdroj"});
  for (const Line& line : lines_)
    text += csvLine({line.sheet, line.cell, line.label, line.before, line.written, line.source});
  for (const auto& [subject, note] : notes_) text += csvLine({subject, "", "", "", "", note});
  text += csvLine({"Celkem", "", "", "", "",
                   "zapsáno buněk: " + std::to_string(lines_.size()) + ", z toho vymazaných: " +
                       std::to_string(cleared_) + ", poznámek: " + std::to_string(notes_.size())});
  return text;
}

}  // namespace kalkora
