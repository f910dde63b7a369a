#pragma once
#include <string>

#include "export/spreadsheet.h"

namespace kalkora {

// A spreadsheet that stands in front of another and passes it the sheet and
// cell operations; what it adds (how the other is opened, shown or closed)
// it overrides itself.
class ForwardingSpreadsheet : public Spreadsheet {
 public:
  void setCalculation(Calculation mode) override { target().setCalculation(mode); }
  std::string sheetName(int sheet) override { return target().sheetName(sheet); }
  std::string readCell(int sheet, int row, int column) override { return target().readCell(sheet, row, column); }
  void writeNumber(int sheet, int row, int column, double value) override {
    target().writeNumber(sheet, row, column, value);
  }
  void writeZeroText(int sheet, int row, int column) override { target().writeZeroText(sheet, row, column); }

 protected:
  // The spreadsheet behind this one; raises Error while there is none.
  virtual Spreadsheet& target() = 0;
};

}  // namespace kalkora
