#pragma once
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "export/spreadsheet.h"

namespace kalkora {

// An in-memory workbook that records every call made on it, so tests can
// check which operations an export makes, in which order and how often.
// Cells hold text; a written number is kept as its shortest text with a
// decimal comma.
class RecordingSpreadsheet : public Spreadsheet {
 public:
  explicit RecordingSpreadsheet(std::vector<std::string> sheetNames = {});

  // One line per call: "open <path>", "visible 1", "calculation manual",
  // "name 2", "read 2 5 6", "number 2 12 7 1300", "zero 2 12 7", "close".
  std::vector<std::string> calls;
  // Called with each call's line before it runs; a test throws from it to
  // make the spreadsheet fail at that point.
  std::function<void(const std::string& call)> beforeCall;
  // What backupPath() and protocolPath() answer (no call recorded); with a
  // backup the session can drop its changes ("drop" is recorded).
  std::string backup;
  std::string protocol;

  // Fills a cell for a test (no call recorded).
  void setCell(int sheet, int row, int column, std::string text);
  // The cell's text, "" when empty.
  std::string cell(int sheet, int row, int column) const;
  // How many recorded calls begin with the given text.
  int count(const std::string& callPrefix) const;

  void open(const std::string& path) override;
  void setVisible(bool visible) override;
  void setCalculation(Calculation mode) override;
  std::string sheetName(int sheet) override;
  std::string readCell(int sheet, int row, int column) override;
  void writeNumber(int sheet, int row, int column, double value) override;
  void writeZeroText(int sheet, int row, int column) override;
  std::string backupPath() const override { return backup; }
  std::string protocolPath() const override { return protocol; }
  bool canDropChanges() const override { return !backup.empty(); }
  void dropChanges() override { record("drop"); }
  void close() override;

  static constexpr int kMaxRow = 1048576;
  static constexpr int kMaxColumn = 16384;

 private:
  void record(std::string call);
  void store(int sheet, int row, int column, double value);
  void checkSheet(int sheet) const;
  void checkCell(int sheet, int row, int column) const;

  std::vector<std::string> sheetNames_;
  std::map<std::tuple<int, int, int>, std::string> cells_;
};

}  // namespace kalkora
