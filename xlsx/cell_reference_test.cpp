#include "xlsx/cell_reference.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(CellReference, ColumnsAndReferencesBothWays) {
  EXPECT_EQ(parseColumnLetters("A"), 1);
  EXPECT_EQ(parseColumnLetters("z"), 26);
  EXPECT_EQ(parseColumnLetters("AA"), 27);
  EXPECT_EQ(parseColumnLetters("XFD"), kMaxColumn);
  EXPECT_FALSE(parseColumnLetters("XFE"));
  EXPECT_FALSE(parseColumnLetters("ABCD"));
  EXPECT_FALSE(parseColumnLetters(""));
  for (int column : {1, 26, 27, 52, 53, 702, 703, kMaxColumn})
    EXPECT_EQ(parseColumnLetters(columnLetters(column)), column);

  EXPECT_EQ(parseCellReference("F12"), (CellReference{12, 6}));
  EXPECT_EQ(formatCellReference(1048576, 16384), "XFD1048576");
  EXPECT_FALSE(parseCellReference("F0"));
  EXPECT_FALSE(parseCellReference("F01"));
  EXPECT_FALSE(parseCellReference("12"));
  EXPECT_FALSE(parseCellReference("F"));
  EXPECT_FALSE(parseCellReference("$F$1"));
  EXPECT_FALSE(parseCellReference("A1048577"));
}

TEST(CellReference, Ranges) {
  const auto range = parseCellRange("B2:D10");
  ASSERT_TRUE(range);
  EXPECT_TRUE(range->contains(2, 2));
  EXPECT_TRUE(range->contains(10, 4));
  EXPECT_FALSE(range->contains(11, 4));
  EXPECT_FALSE(range->contains(5, 1));
  EXPECT_EQ(formatCellRange(*range), "B2:D10");
  EXPECT_EQ(formatCellRange(*parseCellRange("C3")), "C3");
  EXPECT_FALSE(parseCellRange("B2:"));
  EXPECT_FALSE(parseCellRange(""));
}

}  // namespace kalkora
