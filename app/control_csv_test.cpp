#include "app/control_csv.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/memory_file_system.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(ControlCsv, LinesKeepTwoDecimalsDropQuotesAndUnderscores) {
  ImportTable t;
  t.setRowCount(5);
  t.setCell(1, 1, "311");
  t.setCell(2, 1, "1234,56");
  t.setCell(3, 1, "A.1.");
  t.setCell(1, 2, "Náklady, ostatní");
  t.setCell(2, 2, "1234,5678");
  t.setCell(3, 2, "  Pohledávky  Zásoby");
  t.setCell(1, 3, "a_b \"c\"");
  t.setCell(0, 4, "12");
  t.setCell(3, 4, "x@y");
  const auto lines = controlCsvLines(t);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], ";311;1234,56;A.1.");
  EXPECT_EQ(lines[1], ";Náklady, o;1234,56;  Pohledávky  Zásoby");
  EXPECT_EQ(lines[2], ";ab c;;");
  EXPECT_EQ(lines[3], "12;;;x,y");
  // The table keeps its values.
  EXPECT_EQ(t.cell(2, 2), "1234,5678");
  EXPECT_EQ(t.cell(1, 2), "Náklady, ostatní");
}

TEST(ControlCsv, WrittenInWindows1250WithCrLfOrFailsWithMessage) {
  MemoryFileSystem fs;
  ImportTable t;
  t.setRowCount(2);
  t.setCell(1, 1, "Účet");
  writeControlCsv(fs, "out.csv", t);
  EXPECT_EQ(fs.files["out.csv"], ";\xDA\xE8\x65t;;\r\n");
  fs.unwritable = "bad.csv";
  EXPECT_THAT([&] { writeControlCsv(fs, "bad.csv", t); }, ThrowsMessage<Error>(StrEq("Soubor nelze zapsat: bad.csv.")));
  EXPECT_EQ(fs.files.count("bad.csv"), 0u);
}

}  // namespace kalkora
