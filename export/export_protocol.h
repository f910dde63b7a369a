#pragma once
#include <map>
#include <string>
#include <vector>

#include "export/forwarding_spreadsheet.h"

namespace kalkora {

// What an export says of the cell it writes next.
struct CellOrigin {
  std::string label;   // the row's label (turnovers) or the line's marking (statements)
  std::string source;  // the accounts that made the sum, or the statement line
};

// Where the exports tell each cell's origin just before they write it. This
// one listens to nothing, as an export without a protocol needs; wanted()
// spares the export the texts then.
class CellOrigins {
 public:
  virtual ~CellOrigins() = default;
  virtual bool wanted() const { return false; }
  virtual void next(CellOrigin /*origin*/) {}
};
CellOrigins& noCellOrigins();

// The protocol of one export: it stands in front of the session's
// spreadsheet and passes everything on, and for every cell written (cleared
// cells included) it keeps the sheet, the cell's address, the origin the
// export told, the value the cell held before and the value written. Notes
// (accounts outside the definitions, totals that disagree) come after the
// cells, then a line with the counts.
class ExportProtocol : public ForwardingSpreadsheet, public CellOrigins {
 public:
  // Values are written as the workbook reads numbers, with this decimal
  // separator.
  ExportProtocol(Spreadsheet& target, char32_t decimalSeparator);

  void open(const std::string& path) override { target_.open(path); }
  void setVisible(bool visible) override { target_.setVisible(visible); }
  std::string sheetName(int sheet) override;
  void writeNumber(int sheet, int row, int column, double value) override;
  void writeZeroText(int sheet, int row, int column) override;
  std::string backupPath() const override { return target_.backupPath(); }
  std::string protocolPath() const override { return target_.protocolPath(); }
  bool canDropChanges() const override { return target_.canDropChanges(); }
  void dropChanges() override;
  void close() override { target_.close(); }

  bool wanted() const override { return true; }
  void next(CellOrigin origin) override { origin_ = std::move(origin); }

  // A line after the cells: what it is about (first column) and its text (last).
  void note(std::string subject, std::string text);

  bool dropped() const { return dropped_; }
  int cellsWritten() const { return static_cast<int>(lines_.size()); }
  // The protocol as CSV: UTF-8 with a byte-order mark, ";" between fields,
  // CR LF after each line.
  std::string csv() const;

 private:
  struct Line {
    std::string sheet, cell, label, before, written, source;
  };
  Spreadsheet& target() override { return target_; }
  void record(int sheet, int row, int column, std::string before, std::string written);

  Spreadsheet& target_;
  char32_t decimalSeparator_;
  std::map<int, std::string> sheetNames_;
  CellOrigin origin_;
  std::vector<Line> lines_;
  std::vector<std::pair<std::string, std::string>> notes_;
  int cleared_ = 0;
  bool dropped_ = false;
};

inline constexpr const char* kClearingSource = "vymazání období před exportem";

}  // namespace kalkora
