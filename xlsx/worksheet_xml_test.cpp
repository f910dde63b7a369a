#include "xlsx/worksheet_xml.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/error.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

const std::string kHead =
    R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
    R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)";

WorksheetXml sheet(const std::string& dimensionAndData) {
  return WorksheetXml(kHead + dimensionAndData + "</worksheet>", "k.xlsx", "List", "xl/worksheets/sheet1.xml");
}

std::string cellText(WorksheetXml& ws, int row, int column) { return ws.cell(row, column).text; }

}  // namespace

TEST(WorksheetXml, ReadsEveryKindOfStoredValue) {
  WorksheetXml ws = sheet(
      R"(<sheetData><row r="2">)"
      R"(<c r="A2"><v>12</v></c><c r="B2" t="s"><v>3</v></c>)"
      R"(<c r="C2" t="inlineStr"><is><r><t>Roz</t></r><r><rPr><b/></rPr><t xml:space="preserve">vaha </t></r><rPh><t>x</t></rPh></is></c>)"
      R"(<c r="D2" t="str"><f>"A"&amp;"B"</f><v>AB</v></c><c r="E2" t="b"><v>1</v></c>)"
      R"(<c r="F2" t="e"><f>1/0</f><v>#DIV/0!</v></c><c r="G2"><f>A2</f></c>)"
      R"(<c r="H2" t="inlineStr"><is><t>a_x000D_b</t></is></c>)"
      R"(<c r="I2" t="inlineStr"><is><t xml:space="preserve">  </t></is></c>)"
      R"(</row></sheetData>)");
  EXPECT_EQ(ws.cell(2, 1).kind, StoredValue::Kind::Number);
  EXPECT_EQ(cellText(ws, 2, 1), "12");
  EXPECT_EQ(ws.cell(2, 2).kind, StoredValue::Kind::SharedString);
  EXPECT_EQ(cellText(ws, 2, 2), "3");
  EXPECT_EQ(cellText(ws, 2, 3), "Rozvaha ");
  EXPECT_EQ(cellText(ws, 2, 4), "AB");
  EXPECT_EQ(cellText(ws, 2, 5), "TRUE");
  EXPECT_EQ(cellText(ws, 2, 6), "#DIV/0!");
  EXPECT_EQ(ws.cell(2, 7).kind, StoredValue::Kind::Empty);
  EXPECT_EQ(cellText(ws, 2, 8), "a\rb");
  EXPECT_EQ(cellText(ws, 2, 9), "  ");
  EXPECT_EQ(ws.cell(1, 1).kind, StoredValue::Kind::Empty);
  EXPECT_EQ(ws.cell(2, 10).kind, StoredValue::Kind::Empty);
  EXPECT_FALSE(ws.modified());
}

TEST(WorksheetXml, WrittenCellKeepsStyleAndRowsAndCellsStayInOrder) {
  // Rows and cells without numbers count on from the one before.
  WorksheetXml ws = sheet(
      R"(<dimension ref="B2:C5"/><sheetData>)"
      R"(<row r="2" spans="2:3"><c r="B2" s="4" t="inlineStr"><is><t>x</t></is></c><c r="D2"/></row>)"
      R"(<row><c s="1"><v>1</v></c><c t="s"><v>0</v></c></row>)"
      R"(<row r="5"><c r="C5" s="2" t="str" cm="1"><f>1+1</f><v>2</v></c></row>)"
      R"(</sheetData>)");
  EXPECT_EQ(cellText(ws, 3, 2), "0");  // the second cell of the unnumbered row is B3
  EXPECT_FALSE(ws.writeNumber(2, 2, 1.5));
  EXPECT_FALSE(ws.writeNumber(2, 3, 7));
  EXPECT_FALSE(ws.writeNumber(2, 5, 8));
  EXPECT_FALSE(ws.writeNumber(4, 7, -2));
  EXPECT_FALSE(ws.writeNumber(1, 1, 100));
  EXPECT_TRUE(ws.writeNumber(5, 3, 0));
  EXPECT_FALSE(ws.writeNumber(3, 1, 1e20));
  EXPECT_EQ(ws.save(),
            kHead +
                R"(<dimension ref="A1:G5"/><sheetData>)"
                R"(<row r="1"><c r="A1"><v>100</v></c></row>)"
                R"(<row r="2" spans="2:5"><c r="B2" s="4"><v>1.5</v></c><c r="C2"><v>7</v></c><c r="D2"/>)"
                R"(<c r="E2"><v>8</v></c></row>)"
                R"(<row r="3"><c s="1" r="A3"><v>1e+20</v></c><c t="s" r="B3"><v>0</v></c></row>)"
                R"(<row r="4"><c r="G4"><v>-2</v></c></row>)"
                R"(<row r="5"><c r="C5" s="2"><v>0</v></c></row>)"
                R"(</sheetData></worksheet>)");
}

TEST(WorksheetXml, NewCellsTakeTheStyleOfTheirRowOrElseOfTheirColumn) {
  // The period column formatted as a whole, as templates are: a value in an
  // empty cell of it shows in that format; a formatted row comes first.
  WorksheetXml ws = sheet(
      R"(<cols><col min="1" max="2" width="9"/><col min="7" max="9" style="5" customWidth="1"/></cols>)"
      R"(<sheetData><row r="2"><c r="A2"><v>1</v></c></row>)"
      R"(<row r="3" s="8" customFormat="1"/><row r="4" s="9"/></sheetData>)");
  ws.writeNumber(2, 7, 1);   // column style
  ws.writeNumber(2, 2, 2);   // a column without a style
  ws.writeNumber(3, 8, 3);   // row style wins
  ws.writeNumber(4, 9, 4);   // a row style that is not applied to cells
  ws.writeNumber(6, 8, 5);   // a new row
  ws.writeNumber(2, 10, 6);  // beyond the styled columns
  EXPECT_EQ(ws.save(),
            kHead +
                R"(<cols><col min="1" max="2" width="9"/><col min="7" max="9" style="5" customWidth="1"/></cols>)"
                R"(<sheetData><row r="2"><c r="A2"><v>1</v></c><c r="B2"><v>2</v></c><c r="G2" s="5"><v>1</v></c>)"
                R"(<c r="J2"><v>6</v></c></row>)"
                R"(<row r="3" s="8" customFormat="1"><c r="H3" s="8"><v>3</v></c></row>)"
                R"(<row r="4" s="9"><c r="I4" s="5"><v>4</v></c></row>)"
                R"(<row r="6"><c r="H6" s="5"><v>5</v></c></row></sheetData></worksheet>)");
}

TEST(WorksheetXml, OverwrittenSharedFormulaMasterHandsTheFormulaOn) {
  WorksheetXml column = sheet(
      R"(<sheetData>)"
      R"(<row r="1"><c r="B1"><f t="shared" ref="B1:B3" si="0" ca="1">A1*2</f><v>2</v></c></row>)"
      R"(<row r="2"><c r="B2"><f t="shared" si="0"/><v>4</v></c></row>)"
      R"(<row r="3"><c r="B3"><f t="shared" si="0"/><v>6</v></c></row>)"
      R"(</sheetData>)");
  EXPECT_TRUE(column.writeNumber(1, 2, 5));
  EXPECT_EQ(column.save(), kHead +
                               R"(<sheetData><row r="1"><c r="B1"><v>5</v></c></row>)"
                               R"(<row r="2"><c r="B2"><f t="shared" si="0" ref="B2:B3" ca="1">A2*2</f><v>4</v></c></row>)"
                               R"(<row r="3"><c r="B3"><f t="shared" si="0"/><v>6</v></c></row>)"
                               R"(</sheetData></worksheet>)");
  // A block whose rest has no top-left cell: every cell gets its own formula.
  WorksheetXml block = sheet(
      R"(<sheetData>)"
      R"(<row r="1"><c r="B1"><f t="shared" ref="B1:C2" si="3">$A1+A$1</f><v>2</v></c><c r="C1"><f t="shared" si="3"/></c></row>)"
      R"(<row r="2"><c r="B2"><f t="shared" si="3"/></c><c r="C2"><f t="shared" si="3"/></c></row>)"
      R"(</sheetData>)");
  EXPECT_TRUE(block.writeNumber(1, 2, 1));
  EXPECT_EQ(block.save(), kHead +
                              R"(<sheetData><row r="1"><c r="B1"><v>1</v></c><c r="C1"><f>$A1+B$1</f></c></row>)"
                              R"(<row r="2"><c r="B2"><f>$A2+A$1</f></c><c r="C2"><f>$A2+B$1</f></c></row>)"
                              R"(</sheetData></worksheet>)");
  // A member that is not the master simply loses its formula.
  WorksheetXml member = sheet(
      R"(<sheetData><row r="1"><c r="B1"><f t="shared" ref="B1:B2" si="0">A1</f></c></row>)"
      R"(<row r="2"><c r="B2"><f t="shared" si="0"/></c></row></sheetData>)");
  EXPECT_TRUE(member.writeNumber(2, 2, 3));
  EXPECT_EQ(member.save(), kHead + R"(<sheetData><row r="1"><c r="B1"><f t="shared" ref="B1:B2" si="0">A1</f></c></row>)"
                                   R"(<row r="2"><c r="B2"><v>3</v></c></row></sheetData></worksheet>)");
}

TEST(WorksheetXml, RefusesCellsOfArrayFormulasAndDataTables) {
  WorksheetXml ws = sheet(
      R"(<sheetData><row r="2"><c r="J2"><f t="array" ref="J2:J3">G5:G6*2</f><v>20</v></c></row>)"
      R"(<row r="3"><c r="J3"><v>40</v></c><c r="L3"><f t="dataTable" ref="L3:M4" dt2D="0" dtr="0" r1="A1"/></c></row>)"
      R"(</sheetData>)");
  for (const auto& [row, column] : {std::pair{2, 10}, {3, 10}, {4, 13}}) {
    try {
      ws.writeNumber(row, column, 1);
      FAIL() << row << "," << column;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("na listu „List“ nelze přepsat"), std::string::npos) << e.what();
    }
  }
  EXPECT_FALSE(ws.modified());
  EXPECT_NO_THROW(ws.writeNumber(4, 10, 1));
  EXPECT_THAT([&] { ws.writeNumber(4, 11, std::numeric_limits<double>::quiet_NaN()); },
              ThrowsMessage<Error>(StrEq("Do buňky K4 na listu „List“ nelze zapsat hodnotu, která není číslo.")));
}

TEST(WorksheetXml, DropsCachedFormulaResultsButThoseOfTheKeptColumn) {
  const std::string data =
      R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1" t="str"><f>"x"</f><v>x</v></c>)"
      R"(<c r="F1"><f>A1+1</f><v>2</v></c><c r="G1"><f>F1</f></c></row></sheetData>)";
  EXPECT_TRUE(WorksheetXml::mayHoldFormulas(kHead + data));
  EXPECT_FALSE(WorksheetXml::mayHoldFormulas(kHead + R"(<sheetData><row r="1"><c r="A1"><v>1</v></c></row>)"
                                                     R"(</sheetData><pageSetup/><x:foo/>)"));
  WorksheetXml ws = sheet(data);
  EXPECT_TRUE(ws.dropCachedFormulaValues(6));
  EXPECT_EQ(ws.save(), kHead + R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1"><f>"x"</f></c>)"
                               R"(<c r="F1"><f>A1+1</f><v>2</v></c><c r="G1"><f>F1</f></c></row></sheetData></worksheet>)");
  EXPECT_FALSE(ws.dropCachedFormulaValues(6));
}

TEST(WorksheetXml, PrefixedElementsAndDamagedParts) {
  WorksheetXml ws(R"(<x:worksheet xmlns:x="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                  R"(<x:sheetData><x:row r="3"><x:c r="B3"><x:v>4</x:v></x:c></x:row></x:sheetData></x:worksheet>)",
                  "k.xlsx", "List", "p");
  EXPECT_EQ(cellText(ws, 3, 2), "4");
  ws.writeNumber(2, 1, 1);
  EXPECT_NE(ws.save().find(R"(<x:row r="2"><x:c r="A2"><x:v>1</x:v></x:c></x:row><x:row r="3">)"),
            std::string::npos);
  // Indented parts keep their layout; new rows and cells go in between.
  WorksheetXml indented = sheet("\n  <sheetData>\n    <row r=\"2\">\n      <c r=\"C2\"><v>1</v></c>\n    </row>\n  </sheetData>\n");
  indented.writeNumber(2, 1, 5);
  indented.writeNumber(1, 1, 6);
  EXPECT_EQ(indented.save(), kHead + "\n  <sheetData>\n    <row r=\"1\"><c r=\"A1\"><v>6</v></c></row><row r=\"2\">\n      "
                                     "<c r=\"A2\"><v>5</v></c><c r=\"C2\"><v>1</v></c>\n    </row>\n  </sheetData>\n</worksheet>");
  EXPECT_THAT([&] { sheet("<sheetData>"); },
              ThrowsMessage<Error>(StrEq("Sešit k.xlsx je poškozený: část xl/worksheets/sheet1.xml není platné XML (145. bajt).")));
  EXPECT_THAT([&] { sheet(""); },
              ThrowsMessage<Error>(StrEq("Sešit k.xlsx je poškozený: část xl/worksheets/sheet1.xml (list „List“) není list s buňkami.")));
}

}  // namespace kalkora
