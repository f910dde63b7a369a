#include "export/balance_totals.h"
#include "export/turnover_export.h"

#include <gtest/gtest.h>

#include "testing/memory_file_system.h"

namespace kalkora {
namespace {

// A statement load's balance rows: the total lines wherever the reader put
// them, among lines of other numbers.
Workspace statementLoad(int totalLiabilitiesRow, const std::string& liabilitiesMarking) {
  Workspace ws;
  ws.table.setRowCount(totalLiabilitiesRow + 2);
  ws.table.setCell(1, 1, "1"), ws.table.setCell(2, 1, "1500,5"), ws.table.setCell(3, 1, "Rozvaha aktiva - suma");
  ws.table.setCell(1, 2, "2"), ws.table.setCell(2, 2, "800"), ws.table.setCell(3, 2, "Rozvaha aktiva");
  const int row = totalLiabilitiesRow;
  ws.table.setCell(1, row, liabilitiesMarking), ws.table.setCell(2, row, "1500"),
      ws.table.setCell(3, row, "Rozvaha pasiva - suma");
  return ws;
}

}  // namespace

// Register statement (liabilities total at line 79), tax return (line 78,
// within the balance lines the reader counted), and the turnover sums by
// definition side.
TEST(BalanceTotals, TheTwoTotalsOfEachSourceAndTheirWarning) {
  MemoryFileSystem fs;
  const Regional regional{};
  const auto ruz = registerStatementTotals(statementLoad(79, "79"), regional);
  ASSERT_TRUE(ruz);
  EXPECT_EQ(totalsWarning(*ruz, U','),
            "Aktiva celkem (1500,5) se neshodují s pasivy celkem (1500), rozdíl je 0,5. Zkontrolujte zdrojový "
            "soubor, definice a nezařazené účty. Export přesto proběhne.");
  EXPECT_FALSE(registerStatementTotals(statementLoad(79, "78"), regional));
  Workspace tax = statementLoad(80, "78");
  tax.params.Edit40 = "80";
  ASSERT_TRUE(taxReturnTotals(tax, regional));
  tax.params.Edit40 = "79";  // the total lies beyond the balance lines
  EXPECT_FALSE(taxReturnTotals(tax, regional));
  EXPECT_FALSE(totalsWarning({1000.004, 1000}, U','));

  Workspace turnovers;
  turnovers.params.balanceDefinitionPath = "/d/rozvaha.txt";
  turnovers.table.setRowCount(4);
  turnovers.table.setCell(1, 1, "211"), turnovers.table.setCell(2, 1, "700");
  turnovers.table.setCell(1, 2, "321"), turnovers.table.setCell(2, 2, "-300");
  turnovers.table.setCell(1, 3, "343"), turnovers.table.setCell(2, 3, "-400");
  EXPECT_FALSE(turnoverBalanceTotals(turnovers, fs));
  fs.files["/d/rozvaha.txt"] =
      "Peníze\r\n   015 Peníze\r\n21,343>,\r\nZávazky\r\n   028 Závazky\r\n-321,343<,\r\nPrázdný\r\n   030\r\n\r\n";
  const auto sums = turnoverBalanceTotals(turnovers, fs);
  ASSERT_TRUE(sums);
  EXPECT_DOUBLE_EQ(sums->assets, 700);
  EXPECT_DOUBLE_EQ(sums->liabilities, 700);
}

}  // namespace kalkora
