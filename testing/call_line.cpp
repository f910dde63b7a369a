#include "testing/call_line.h"

#include "platform/number.h"

namespace kalkora::call_line {
namespace {

std::string position(int sheet, int row, int column) {
  return std::to_string(sheet) + " " + std::to_string(row) + " " + std::to_string(column);
}

}  // namespace

std::string open(const std::string& path) { return "open " + path; }
std::string visible(bool visible) { return visible ? "visible 1" : "visible 0"; }
std::string calculation(Spreadsheet::Calculation mode) {
  return mode == Spreadsheet::Calculation::Manual ? "calculation manual" : "calculation automatic";
}
std::string name(int sheet) { return "name " + std::to_string(sheet); }
std::string read(int sheet, int row, int column) { return "read " + position(sheet, row, column); }
std::string number(int sheet, int row, int column, double value) {
  return "number " + position(sheet, row, column) + " " + formatShortest(value, U',');
}
std::string zero(int sheet, int row, int column) { return "zero " + position(sheet, row, column); }

}  // namespace kalkora::call_line
