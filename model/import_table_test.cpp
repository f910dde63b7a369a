#include "model/import_table.h"

#include <gtest/gtest.h>

namespace kalkora {
namespace {

ImportTable tableWithColumn2(const std::vector<std::string>& amounts) {
  ImportTable t;
  t.setRowCount(static_cast<int>(amounts.size()) + 1);
  for (size_t i = 0; i < amounts.size(); ++i) {
    t.setCell(1, static_cast<int>(i + 1), "r" + std::to_string(i + 1));
    t.setCell(2, static_cast<int>(i + 1), amounts[i]);
  }
  return t;
}

}  // namespace

TEST(ImportTable, RowsExistOnlyUpToTheRowCount) {
  ImportTable t;
  EXPECT_EQ(t.rowCount(), 23);
  t.setCell(1, 22, "x");
  t.setRowCount(5);
  EXPECT_EQ(t.cell(1, 22), "");
  t.setRowCount(30);
  EXPECT_EQ(t.cell(1, 22), "");  // raising adds empty rows
  t.setCell(0, 99, "lost");
  EXPECT_EQ(t.cell(0, 99), "");
  EXPECT_EQ(t.cell(7, 1), "");
  t.setRowCount(0);
  EXPECT_EQ(t.rowCount(), 1);  // the header row stays
}

TEST(ImportTable, EmptyRowRemovalKeepsRowOneAndOrder) {
  ImportTable t = tableWithColumn2({"", "2", "", "", "5"});
  removeEmptyRows(t);
  ASSERT_EQ(t.rowCount(), 4);
  EXPECT_EQ(t.cell(1, 1), "r1");
  EXPECT_EQ(t.cell(1, 2), "r2");
  EXPECT_EQ(t.cell(1, 3), "r5");

  ImportTable one = tableWithColumn2({""});
  removeEmptyRows(one);
  EXPECT_EQ(one.rowCount(), 2);

  ImportTable allEmpty = tableWithColumn2({"1", "", "", ""});
  removeEmptyRows(allEmpty);
  EXPECT_EQ(allEmpty.rowCount(), 2);
}

}  // namespace kalkora
