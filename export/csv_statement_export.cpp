#include "export/marking_search.h"
#include "export/statement_run.h"
#include "export/workbook_layout.h"
#include "model/tab_views.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

// The workbook rows each CSV statement type searches for its line numbers,
// by the type's index: a liabilities type starts below the assets, so that a
// line number that also appears among the assets rows is not taken there.
constexpr RowRange kSearchRanges[] = {{1, 75}, {67, 140}, {1, 68},  {1, 83},  {78, 155},
                                      {1, 62}, {1, 84},   {79, 156}, {1, 67}};

}  // namespace

void exportCsvStatement(StatementRun& run) {
  using Bar = StatementRun::Bar;
  run.start(66, 55, -1);
  run.finishingAlways([&] {
    const auto tab = csvStatementTab(run.params());
    const int index = tab.statementType;
    const CsvStatementType* type = csvStatementType(index);
    if (!type) return;
    run.zeroBars();
    const bool income = type->part == StatementPart::Income;
    const Bar bar = income ? Bar::Income : Bar::Balance;
    const int sheet = income ? findIncomeSheet(run.spreadsheet()) : findBalanceSheet(run.spreadsheet());
    const RowRange range = kSearchRanges[index];
    MarkingSearch search(run.spreadsheet(), sheet, range.first, range.last);
    // The reader stores one row per line number of the type.
    const int rows = type->lastLine - type->firstLine + 1;
    for (int row = 1; row <= rows; ++row) {
      run.steps(bar);
      const std::string& marking = run.table().cell(1, row);
      const double amount = run.amount(2, row);
      const int match = search.find(marking);
      const bool sumLine = run.table().cell(3, row) == "suma";
      if (match != 0 && (!sumLine || tab.sumLines)) run.write(sheet, match, amount, row, 1, sumLine ? "suma" : "");
    }
  });
}

}  // namespace kalkora
