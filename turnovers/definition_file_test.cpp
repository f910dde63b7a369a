#include "turnovers/definition_file.h"

#include <gtest/gtest.h>

#include "testing/memory_file_system.h"
#include "platform/cp1250.h"

namespace kalkora {

TEST(DefinitionFile, RecordsAreThreeLinesAndTheLastIsCompleted) {
  MemoryFileSystem fs;
  fs.files["r.txt"] = utf8ToCp1250("Pohledávky\r\n   072 Pohledávky\r\n311,-391,\r\nZásoby\r\n   080 Zásoby\r\n");
  const auto records = readDefinitionFile(fs, "r.txt");
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].description, "Pohledávky");
  EXPECT_EQ(records[0].accounts, "311,-391,");
  EXPECT_EQ(records[1].rowLine, "   080 Zásoby");
  EXPECT_EQ(records[1].accounts, "");

  // A blank line after the last record starts a record of empty lines.
  EXPECT_EQ(parseDefinitionRecords({"a", "   001", "311,", ""}).size(), 2u);
  EXPECT_TRUE(parseDefinitionRecords({}).empty());
}

TEST(DefinitionFile, AccountListsSplitAtCommas) {
  using V = std::vector<std::string>;
  EXPECT_EQ(splitAccountList("311,-391,314>,"), (V{"311", "-391", "314>"}));
  EXPECT_EQ(splitAccountList(",,"), (V{"", ""}));
  EXPECT_EQ(splitAccountList(""), V{});
  // A last entry typed without its comma still counts.
  EXPECT_EQ(splitAccountList("311,391"), (V{"311", "391"}));
}

TEST(DefinitionFile, EntriesLoseTheirMarks) {
  const DefinitionEntry minus = decodeEntry("-391");
  EXPECT_EQ(minus.prefix, "391");
  EXPECT_TRUE(minus.subtract);
  EXPECT_FALSE(minus.active || minus.passive);

  const DefinitionEntry both = decodeEntry("-343<");
  EXPECT_EQ(both.prefix, "343");
  EXPECT_TRUE(both.subtract && both.passive && !both.active);
  EXPECT_TRUE(decodeEntry("343>").active);

  // The income-statement export reads only "-": the state mark stays in the prefix.
  const DefinitionEntry income = decodeEntry("-343>", false);
  EXPECT_EQ(income.prefix, "343>");
  EXPECT_TRUE(income.subtract && !income.active);
}

TEST(DefinitionFile, RowAndLabelsCountCharacters) {
  DefinitionRecord r;
  r.rowLine = "A. 012 Čistý obrat za účetní období celkem";
  EXPECT_EQ(definitionRowText(r), "012");
  EXPECT_EQ(definitionLabel(r, DefinitionKind::BalanceSheet), "Čistý obrat za účetní");  // 21 characters
  EXPECT_EQ(definitionLabel(r, DefinitionKind::IncomeStatement), " Čistý obrat za účetn");

  r.rowLine = "   12";
  EXPECT_EQ(definitionRowText(r), "12");
  EXPECT_EQ(definitionLabel(r, DefinitionKind::BalanceSheet), "");
  r.rowLine = "";
  EXPECT_EQ(definitionRowText(r), "");
}

}  // namespace kalkora
