#include "export/statement_run.h"
#include "export/workbook_layout.h"
#include "model/tab_views.h"

namespace kalkora {

void exportP501Report(StatementRun& run) {
  using Bar = StatementRun::Bar;
  run.start(50, 50, -1);
  run.finishingAlways([&] {
    // Only the assets (3) and the smallest enterprises' income statement (2)
    // come with target rows; the other types write nothing.
    const int type = p501Tab(run.params()).reportType;
    if (type != 2 && type != 3) return;
    run.zeroBars();
    const bool assets = type == 3;
    const Bar bar = assets ? Bar::Balance : Bar::Income;
    const int sheet = assets ? findBalanceSheet(run.spreadsheet()) : findIncomeSheet(run.spreadsheet());
    for (int row = 1; row < run.table().rowCount(); ++row) {
      run.steps(bar);
      const std::string& target = run.table().cell(0, row);
      const double amount = run.amount(3, row);
      // Two lines of the assets module go to row 80: a zero of one must not
      // overwrite the other's amount.
      if (target == "0" || (assets && target == "80" && amount == 0)) continue;
      run.write(sheet, spreadsheetRow(target), amount, row, 2, run.table().cell(1, row));
    }
  });
}

}  // namespace kalkora
