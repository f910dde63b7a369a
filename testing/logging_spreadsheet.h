#pragma once
#include <memory>
#include <string>
#include <vector>

#include "export/spreadsheet.h"

namespace kalkora {

// Wraps any spreadsheet and logs each call made through it, in the lines of
// RecordingSpreadsheet, with what a read answered (" = 046") or the message
// it failed with (" ! ..."), so that two backends can be held to the same
// calls in the same order with the same answers.
class LoggingSpreadsheet : public Spreadsheet {
 public:
  LoggingSpreadsheet(std::unique_ptr<Spreadsheet> inner, std::vector<std::string>& log);

  void open(const std::string& path) override;
  void setVisible(bool visible) override;
  void setCalculation(Calculation mode) override;
  std::string sheetName(int sheet) override;
  std::string readCell(int sheet, int row, int column) override;
  void writeNumber(int sheet, int row, int column, double value) override;
  void writeZeroText(int sheet, int row, int column) override;
  std::string backupPath() const override { return inner_->backupPath(); }
  std::string protocolPath() const override { return inner_->protocolPath(); }
  bool canDropChanges() const override { return inner_->canDropChanges(); }
  void dropChanges() override { inner_->dropChanges(); }
  void close() override;

 private:
  // Logs line with the call's answer, or with its failure before passing it on.
  template <class Call>
  auto logged(std::string line, Call call);

  std::unique_ptr<Spreadsheet> inner_;
  std::vector<std::string>& log_;
};

}  // namespace kalkora
