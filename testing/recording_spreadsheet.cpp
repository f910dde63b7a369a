#include "testing/recording_spreadsheet.h"

#include "platform/error.h"
#include "platform/number.h"
#include "testing/call_line.h"

namespace kalkora {

RecordingSpreadsheet::RecordingSpreadsheet(std::vector<std::string> sheetNames)
    : sheetNames_(std::move(sheetNames)) {}

void RecordingSpreadsheet::record(std::string call) {
  if (beforeCall) beforeCall(call);
  calls.push_back(std::move(call));
}

void RecordingSpreadsheet::checkSheet(int sheet) const {
  if (sheet < 1 || sheet > static_cast<int>(sheetNames_.size()))
    throw Error("List č. " + std::to_string(sheet) + " v sešitu není.");
}

void RecordingSpreadsheet::checkCell(int sheet, int row, int column) const {
  checkSheet(sheet);
  if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
    throw Error("Buňka (" + std::to_string(row) + ", " + std::to_string(column) + ") leží mimo list.");
}

void RecordingSpreadsheet::setCell(int sheet, int row, int column, std::string text) {
  cells_[{sheet, row, column}] = std::move(text);
}

std::string RecordingSpreadsheet::cell(int sheet, int row, int column) const {
  const auto it = cells_.find({sheet, row, column});
  return it == cells_.end() ? std::string() : it->second;
}

int RecordingSpreadsheet::count(const std::string& callPrefix) const {
  int n = 0;
  for (const std::string& call : calls) n += call.starts_with(callPrefix) ? 1 : 0;
  return n;
}

void RecordingSpreadsheet::open(const std::string& path) { record(call_line::open(path)); }

void RecordingSpreadsheet::setVisible(bool visible) { record(call_line::visible(visible)); }

void RecordingSpreadsheet::setCalculation(Calculation mode) {
  record(call_line::calculation(mode));
}

std::string RecordingSpreadsheet::sheetName(int sheet) {
  record(call_line::name(sheet));
  checkSheet(sheet);
  return sheetNames_[static_cast<size_t>(sheet - 1)];
}

std::string RecordingSpreadsheet::readCell(int sheet, int row, int column) {
  record(call_line::read(sheet, row, column));
  checkCell(sheet, row, column);
  return cell(sheet, row, column);
}

void RecordingSpreadsheet::writeNumber(int sheet, int row, int column, double value) {
  record(call_line::number(sheet, row, column, value));
  store(sheet, row, column, value);
}

// Recorded as a call of its own; the cell gets the number 0 all the same.
void RecordingSpreadsheet::writeZeroText(int sheet, int row, int column) {
  record(call_line::zero(sheet, row, column));
  store(sheet, row, column, 0);
}

void RecordingSpreadsheet::store(int sheet, int row, int column, double value) {
  checkCell(sheet, row, column);
  cells_[{sheet, row, column}] = formatShortest(value, U',');
}

void RecordingSpreadsheet::close() { record(call_line::kClose); }

}  // namespace kalkora
