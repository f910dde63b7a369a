#pragma once
#include <array>
#include <span>
#include <string>

#include "export/clearing_rows.h"
#include "export/export_progress.h"
#include "model/workspace.h"
#include "platform/regional.h"

namespace kalkora {

class CellOrigins;
class Spreadsheet;

// The working values of one statement export and the steps its modes share.
// Each mode's procedure lives in its own function below.
class StatementRun {
 public:
  using Bar = ExportProgress::Bar;

  StatementRun(const Workspace& ws, const Regional& regional, Spreadsheet& spreadsheet, ExportProgress& progress,
               CellOrigins& origins);

  const Parameters& params() const { return ws_.params; }
  const ImportTable& table() const { return ws_.table; }
  Spreadsheet& spreadsheet() { return spreadsheet_; }
  ExportProgress& progress() { return progress_; }

  // The steps every mode begins with: the busy cursor, the bar counter at
  // -1, the working text (beginWork), then the bars' maxima and the period
  // column (prepare). A negative clearing maximum hides "Mažu data" and its
  // bar. A period that is no integer fails here and leaves the cursor busy.
  void start(int balanceMaximum, int incomeMaximum, int clearingMaximum) {
    beginWork();
    prepare(balanceMaximum, incomeMaximum, clearingMaximum);
  }
  void beginWork();
  void prepare(int balanceMaximum, int incomeMaximum, int clearingMaximum);
  // Puts the bars of the passes (and the clearing bar where there is one) to 0.
  void zeroBars();
  // The normal cursor and the finished text.
  void finish();
  // Runs the work and finishes also when it fails, the error going on.
  template <class Work>
  void finishingAlways(Work work) {
    try {
      work();
    } catch (...) {
      finish();
      throw;
    }
    finish();
  }

  // The bar counter starts again below the first step.
  void restartCounter() { counter_ = -1; }
  // `count` steps of a bar: the counter grows by one each and the bar shows
  // it plus one, never more than its maximum.
  void steps(Bar bar, int count = 1);

  // The amount in a column of an import row, with the regional decimal
  // separator. Raises Error for a text that is no number and for a row the
  // table does not have.
  double amount(int column, int row) const;
  // Writes the amount of an import row into the period column of a sheet's
  // row; the protocol hears the line's marking (the text of markingColumn)
  // and, after the table row, what else tells the line (detail).
  void write(int sheet, int row, double amount, int tableRow, int markingColumn, const std::string& detail);
  // The clearing step: "0" into the period column of the rows of the set.
  void clear(int sheet, std::span<const RowRange> rows);

 private:
  const Workspace& ws_;
  const Regional& regional_;
  Spreadsheet& spreadsheet_;
  ExportProgress& progress_;
  CellOrigins& origins_;
  int column_ = 0;
  int counter_ = -1;
  std::array<int, 3> maxima_{};
};

// The procedures of the modes; `run` has not started yet.
void exportCsvStatement(StatementRun& run);  // mode 3
void exportRuzStatement(StatementRun& run);  // mode 4
void exportTaxReturn(StatementRun& run);     // mode 5
void exportP501Report(StatementRun& run);    // mode 6

}  // namespace kalkora
