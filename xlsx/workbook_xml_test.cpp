#include "xlsx/workbook_xml.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "xlsx/calc_chain.h"
#include "xlsx/package_relationships.h"
#include "platform/error.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

const std::string kWorkbookHead =
    R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
    R"(xmlns:rel="http://schemas.openxmlformats.org/officeDocument/2006/relationships">)";

}  // namespace

TEST(WorkbookXml, SheetsInOrderAndCalcPrInItsSchemaPlace) {
  WorkbookXml workbook(kWorkbookHead +
                           R"(<workbookPr/><bookViews/><sheets><sheet name="Úvod" sheetId="4" rel:id="rId2"/>)"
                           R"(<sheet name="Rozvahy netto" sheetId="1" rel:id="rId1"/></sheets>)"
                           R"(<definedNames><definedName name="x">1</definedName></definedNames>)"
                           R"(<pivotCaches/><extLst/></workbook>)",
                       "k.xlsx", "xl/workbook.xml");
  ASSERT_EQ(workbook.sheets().size(), 2u);
  EXPECT_EQ(workbook.sheets()[0].name, "Úvod");
  EXPECT_EQ(workbook.sheets()[0].sheetId, "4");
  EXPECT_EQ(workbook.sheets()[1].relationshipId, "rId1");
  EXPECT_TRUE(workbook.requestFullCalculationOnLoad());
  EXPECT_NE(workbook.save().find(R"(</definedNames><calcPr fullCalcOnLoad="1"/><pivotCaches/>)"), std::string::npos);
  EXPECT_FALSE(workbook.requestFullCalculationOnLoad());

  WorkbookXml withCalcPr(kWorkbookHead + R"(<sheets/><calcPr calcId="191029" fullCalcOnLoad="0"/></workbook>)",
                         "k.xlsx", "xl/workbook.xml");
  EXPECT_TRUE(withCalcPr.requestFullCalculationOnLoad());
  EXPECT_NE(withCalcPr.save().find(R"(<sheets/><calcPr calcId="191029" fullCalcOnLoad="1"/>)"), std::string::npos);

  EXPECT_THAT([&] { WorkbookXml("<workbook/>", "k.xlsx", "xl/workbook.xml"); }, ThrowsMessage<Error>(StrEq("Sešit k.xlsx je poškozený: část xl/workbook.xml neobsahuje seznam listů.")));
}

TEST(CalcChain, DropsCellsAndWritesOutTheSheetOfTheFollowingEntries) {
  const std::string chain = R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
                            R"(<c r="B1" i="1"/><c r="B2"/><c r="C5" i="2" l="1"/><c r="C6"/></calcChain>)";
  EXPECT_EQ(withoutChainCells(chain, {{"1", "B1"}, {"2", "C6"}}, "k.xlsx", "xl/calcChain.xml"),
            R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)"
            R"(<c r="B2" i="1"/><c r="C5" i="2" l="1"/></calcChain>)");
  EXPECT_FALSE(withoutChainCells(chain, {{"1", "B1"}, {"1", "B2"}, {"2", "C5"}, {"2", "C6"}}, "k.xlsx", "p"));
}

TEST(PackageRelationships, ResolvesTargetsAndRemovesEntries) {
  EXPECT_EQ(relationshipsPartOf("xl/workbook.xml"), "xl/_rels/workbook.xml.rels");
  EXPECT_EQ(relationshipsPartOf(""), "_rels/.rels");
  const std::string rels =
      R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
      R"(<Relationship Id="rId1" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet" Target="worksheets/sheet1.xml"/>)"
      R"(<Relationship Id="rId2" Type="http://purl.oclc.org/ooxml/officeDocument/relationships/calcChain" Target="/xl/calcChain.xml"/>)"
      R"(<Relationship Id="rId3" Type="http://x/hyperlink" Target="http://example.com/a" TargetMode="External"/>)"
      R"(<Relationship Id="rId4" Type="http://x/image" Target="../media/./image1.png"/>)"
      R"(</Relationships>)";
  const auto parsed = parseRelationships(rels, "xl/workbook.xml", "k.xlsx", "xl/_rels/workbook.xml.rels");
  ASSERT_EQ(parsed.size(), 4u);
  EXPECT_EQ(parsed[0].target, "xl/worksheets/sheet1.xml");
  EXPECT_TRUE(parsed[0].isOfKind("worksheet"));
  EXPECT_FALSE(parsed[0].isOfKind("sheet"));
  EXPECT_EQ(parsed[1].target, "xl/calcChain.xml");
  EXPECT_TRUE(parsed[1].isOfKind("calcChain"));
  EXPECT_TRUE(parsed[2].external);
  EXPECT_EQ(parsed[2].target, "http://example.com/a");
  EXPECT_EQ(parsed[3].target, "media/image1.png");

  const std::string without = withoutRelationship(rels, "rId2", "k.xlsx", "r");
  EXPECT_EQ(without.find("calcChain"), std::string::npos);
  EXPECT_NE(without.find("rId4"), std::string::npos);
  const std::string types =
      R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType="application/xml"/>)"
      R"(<Override PartName="/xl/calcChain.xml" ContentType="c"/><Override PartName="/xl/workbook.xml" ContentType="w"/></Types>)";
  EXPECT_EQ(withoutContentTypeOverride(types, "xl/calcChain.xml", "k.xlsx"),
            R"(<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types"><Default Extension="xml" ContentType="application/xml"/>)"
            R"(<Override PartName="/xl/workbook.xml" ContentType="w"/></Types>)");
}

}  // namespace kalkora
