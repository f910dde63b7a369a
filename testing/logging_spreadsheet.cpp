#include "testing/logging_spreadsheet.h"

#include <exception>
#include <type_traits>

#include "testing/call_line.h"

namespace kalkora {

LoggingSpreadsheet::LoggingSpreadsheet(std::unique_ptr<Spreadsheet> inner, std::vector<std::string>& log)
    : inner_(std::move(inner)), log_(log) {}

template <class Call>
auto LoggingSpreadsheet::logged(std::string line, Call call) {
  try {
    if constexpr (std::is_void_v<decltype(call())>) {
      call();
      log_.push_back(std::move(line));
    } else {
      auto answer = call();
      log_.push_back(line + " = " + answer);
      return answer;
    }
  } catch (const std::exception& e) {
    log_.push_back(line + " ! " + e.what());
    throw;
  }
}

void LoggingSpreadsheet::open(const std::string& path) {
  logged(call_line::open(path), [&] { inner_->open(path); });
}
void LoggingSpreadsheet::setVisible(bool visible) {
  logged(call_line::visible(visible), [&] { inner_->setVisible(visible); });
}
void LoggingSpreadsheet::setCalculation(Calculation mode) {
  logged(call_line::calculation(mode), [&] { inner_->setCalculation(mode); });
}
std::string LoggingSpreadsheet::sheetName(int sheet) {
  return logged(call_line::name(sheet), [&] { return inner_->sheetName(sheet); });
}
std::string LoggingSpreadsheet::readCell(int sheet, int row, int column) {
  return logged(call_line::read(sheet, row, column), [&] { return inner_->readCell(sheet, row, column); });
}
void LoggingSpreadsheet::writeNumber(int sheet, int row, int column, double value) {
  logged(call_line::number(sheet, row, column, value), [&] { inner_->writeNumber(sheet, row, column, value); });
}
void LoggingSpreadsheet::writeZeroText(int sheet, int row, int column) {
  logged(call_line::zero(sheet, row, column), [&] { inner_->writeZeroText(sheet, row, column); });
}
void LoggingSpreadsheet::close() {
  logged(call_line::kClose, [&] { inner_->close(); });
}

}  // namespace kalkora
