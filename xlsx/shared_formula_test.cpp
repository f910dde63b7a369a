#include "xlsx/shared_formula.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(ShiftFormula, MovesRelativePartsOnly) {
  EXPECT_EQ(shiftFormula("A1*2", 1, 0), "A2*2");
  EXPECT_EQ(shiftFormula("SUM(G5:G7)+$A$1+$B3+C$4", 2, 1), "SUM(H7:H9)+$A$1+$B5+D$4");
  EXPECT_EQ(shiftFormula("Z1+1", 0, 1), "AA1+1");
  EXPECT_EQ(shiftFormula("Data!B2+'Rozvahy netto'!C3", 1, 1), "Data!C3+'Rozvahy netto'!D4");
  EXPECT_EQ(shiftFormula("SUM(A:A)+SUM(3:4)+SUM($B:C)", 1, 1), "SUM(B:B)+SUM(4:5)+SUM($B:D)");
}

TEST(ShiftFormula, LeavesTextNamesAndFunctionsAlone) {
  EXPECT_EQ(shiftFormula("IF(A1=\"B2\",LOG10(A1),0)", 1, 0), "IF(A2=\"B2\",LOG10(A2),0)");
  EXPECT_EQ(shiftFormula("'A1''s sheet'!A1", 1, 0), "'A1''s sheet'!A2");
  EXPECT_EQ(shiftFormula("Table1[[#This Row],[A1]]+A1", 1, 0), "Table1[[#This Row],[A1]]+A2");
  EXPECT_EQ(shiftFormula("[1]Sheet1!A1", 1, 0), "[1]Sheet1!A2");
  EXPECT_EQ(shiftFormula("1E3+A1.5+Obdobi+TRUE+_xlfn.CONCAT(B1)", 1, 0), "1E3+A1.5+Obdobi+TRUE+_xlfn.CONCAT(B2)");
  EXPECT_EQ(shiftFormula("12+3", 5, 5), "12+3");
  EXPECT_EQ(shiftFormula("#REF!+A1", 1, 0), "#REF!+A2");
}

TEST(ShiftFormula, ReferenceMovedOffTheSheetBecomesRefError) {
  EXPECT_EQ(shiftFormula("A1048576+1", 1, 0), "#REF!+1");
  EXPECT_EQ(shiftFormula("XFD1", 0, 1), "#REF!");
  EXPECT_EQ(shiftFormula("B2", -1, -1), "A1");
}

}  // namespace kalkora
