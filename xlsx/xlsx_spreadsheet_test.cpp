#include "xlsx/xlsx_spreadsheet.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <regex>
#include <set>

#include <xlsxwriter.h>

#include "testing/xlsx_test_support.h"
#include "xlsx/zip_package.h"
#include "platform/error.h"
#include "platform/file_system.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

using xlsx_test::errorOf;
using xlsx_test::PackageView;
using xlsx_test::readBytes;
using xlsx_test::withPart;
using xlsx_test::writeBytes;

// The backups in the scratch folder, full paths.
std::vector<std::string> backupsIn(const xlsx_test::ScratchFolder& folder) {
  std::vector<std::string> backups;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path("")))
    if (entry.path().filename().string().find(".bak.") != std::string::npos)
      backups.push_back(folder.path(entry.path().filename().string()));
  return backups;
}

std::string replaced(std::string text, const std::string& from, const std::string& to) {
  const auto at = text.find(from);
  if (at == std::string::npos) throw std::runtime_error("fixture text not found: " + from);
  return text.replace(at, from.size(), to);
}

const std::string kCalcChainType = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/calcChain";

// The Kalkora workbook with what libxlsxwriter cannot write: a shared formula
// K5:K7 (=G5+1) on "Rozvahy netto", a calculation chain with the given
// entries, and no calcPr.
std::string preparedWorkbook(const std::string& path, const std::string& chainEntries) {
  std::string bytes = readBytes(xlsx_test::makeKalkoraWorkbook(path));
  const PackageView view(bytes);
  std::string sheet = view.part("xl/worksheets/sheet2.xml");
  sheet = replaced(sheet, R"(<v>20</v></c></row><row r="6")",
                   R"(<v>20</v></c><c r="K5" s="1"><f t="shared" ref="K5:K7" si="0">G5+1</f><v>11</v></c></row><row r="6")");
  sheet = replaced(sheet, R"(<v>20</v></c></row><row r="7")",
                   R"(<v>20</v></c><c r="K6"><f t="shared" si="0"/><v>21</v></c></row><row r="7")");
  sheet = replaced(sheet, R"(<v>30.5</v></c></row>)",
                   R"(<v>30.5</v></c><c r="K7"><f t="shared" si="0"/><v>31.5</v></c></row>)");
  bytes = withPart(bytes, "xl/worksheets/sheet2.xml", sheet);
  bytes = withPart(bytes, "xl/workbook.xml",
                   replaced(view.part("xl/workbook.xml"), R"(<calcPr calcId="124519" fullCalcOnLoad="1"/>)", ""));
  bytes = withPart(bytes, "xl/_rels/workbook.xml.rels",
                   replaced(view.part("xl/_rels/workbook.xml.rels"), "</Relationships>",
                            R"(<Relationship Id="rId9" Type=")" + kCalcChainType +
                                R"(" Target="calcChain.xml"/></Relationships>)"));
  bytes = withPart(bytes, "[Content_Types].xml",
                   replaced(view.part("[Content_Types].xml"), "</Types>",
                            R"(<Override PartName="/xl/calcChain.xml" ContentType="application/)"
                            R"(vnd.openxmlformats-officedocument.spreadsheetml.calcChain+xml"/></Types>)"));
  bytes = withPart(bytes, "xl/calcChain.xml",
                   R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
                   R"(<calcChain xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
                       chainEntries + "</calcChain>");
  writeBytes(path, bytes);
  return bytes;
}

pugi::xml_node cellOf(const pugi::xml_document& sheet, const std::string& reference) {
  return sheet.select_node(("//c[@r='" + reference + "']").c_str()).node();
}

// The caller's choice of what survives a save: column 6 of the two statement
// sheets, as the exports read it again.
int markingColumnOf(int position, std::string_view name) {
  return (position == 2 && name == "Rozvahy netto") || (position == 3 && name == "Výsledovky") ? 6 : 0;
}

class XlsxSpreadsheetTest : public ::testing::Test {
 protected:
  XlsxSpreadsheetTest() { spreadsheet.keepCachedValues(markingColumnOf); }

  xlsx_test::ScratchFolder folder;
  DiskFileSystem files;
  std::vector<std::string> shown;
  XlsxSpreadsheet spreadsheet{files, Regional{}, [this](const std::string& path) { shown.push_back(path); }};
};

}  // namespace

TEST_F(XlsxSpreadsheetTest, ReadsSheetsAndCellsAsText) {
  const std::string path = folder.path("Kalkora.xlsx");
  preparedWorkbook(path, R"(<c r="G8" i="2"/>)");
  spreadsheet.open(path);
  EXPECT_EQ(spreadsheet.sheetName(1), "Úvod");
  EXPECT_EQ(spreadsheet.sheetName(2), "Rozvahy netto");
  EXPECT_EQ(spreadsheet.sheetName(3), "Výsledovky");
  EXPECT_EQ(errorOf([&] { spreadsheet.sheetName(4); }), "Sešit " + path + " nemá list č. 4 (listů je 3).");
  EXPECT_THAT([&] { spreadsheet.sheetName(0); }, ThrowsMessage<Error>(StrEq("Sešit " + path + " nemá list č. 0 (listů je 3).")));
  EXPECT_EQ(spreadsheet.readCell(2, 1, 1), "Kalkora");
  EXPECT_EQ(spreadsheet.readCell(2, 5, 6), "A.");
  EXPECT_EQ(spreadsheet.readCell(2, 6, 6), "1");
  EXPECT_EQ(spreadsheet.readCell(2, 7, 6), "002");
  EXPECT_EQ(spreadsheet.readCell(2, 9, 6), "7");
  EXPECT_EQ(spreadsheet.readCell(2, 7, 7), "30,5");
  EXPECT_EQ(spreadsheet.readCell(2, 8, 7), "60,5");
  EXPECT_EQ(spreadsheet.readCell(3, 40, 30), "");
  EXPECT_THAT([&] { spreadsheet.readCell(2, 0, 1); },
              ThrowsMessage<Error>(StrEq("Buňka na řádku 0 a ve sloupci 1 leží mimo list.")));
  spreadsheet.close();

  XlsxSpreadsheet idle(files, Regional{});
  EXPECT_EQ(errorOf([&] { idle.sheetName(1); }), "Není otevřený žádný sešit.");
  EXPECT_NO_THROW(idle.close());

  XlsxSpreadsheet dotted(files, Regional{U'.'});
  dotted.open(path);
  EXPECT_EQ(dotted.readCell(2, 7, 7), "30.5");
}

TEST_F(XlsxSpreadsheetTest, WritesCellsInPlaceAndKeepsEverythingElse) {
  const std::string path = folder.path("Kalkora.xlsx");
  const std::string original =
      preparedWorkbook(path, R"(<c r="G8" i="2"/><c r="H5"/><c r="F9"/><c r="H5" i="3"/>)");
  spreadsheet.setVisible(true);
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 5, 7, 1234.5);  // a styled number
  spreadsheet.writeNumber(2, 8, 7, 99);      // a formula in the calculation chain
  spreadsheet.writeNumber(2, 20, 7, 0);      // a new row at the end
  spreadsheet.writeNumber(2, 5, 11, 5);      // the master of the shared formula
  spreadsheet.writeNumber(3, 4, 7, -1);      // a new row between rows
  EXPECT_NE(errorOf([&] { spreadsheet.writeNumber(3, 3, 10, 1); }).find("je součástí maticového vzorce J2:J3"),
            std::string::npos);
  EXPECT_EQ(spreadsheet.readCell(2, 5, 7), "1234,5");
  EXPECT_TRUE(shown.empty());
  const std::string backup = spreadsheet.backupPath();
  spreadsheet.close();
  EXPECT_EQ(shown, std::vector<std::string>{path});

  EXPECT_TRUE(std::regex_match(backup, std::regex(".*/Kalkora\\.\\d{4}-\\d\\d-\\d\\d_\\d{4}\\.bak\\.xlsx"))) << backup;
  EXPECT_TRUE(readBytes(backup) == original);
  const std::string saved = readBytes(path);
  const PackageView before(original), after(saved);
  EXPECT_EQ(after.names, before.names);
  const std::set<std::string> changed = {"xl/worksheets/sheet2.xml", "xl/worksheets/sheet3.xml", "xl/workbook.xml",
                                         "xl/calcChain.xml"};
  for (const std::string& name : before.names)
    EXPECT_TRUE(changed.count(name) || after.raw(name) == before.raw(name)) << name;
  EXPECT_EQ(saved.find(std::string("PK\x06\x06", 4)), std::string::npos);

  const pugi::xml_document balance = after.xml("xl/worksheets/sheet2.xml");
  EXPECT_STREQ(cellOf(balance, "G5").attribute("s").value(), "1");
  EXPECT_STREQ(cellOf(balance, "G5").child_value("v"), "1234.5");
  EXPECT_FALSE(cellOf(balance, "G8").child("f"));
  EXPECT_STREQ(cellOf(balance, "G8").attribute("s").value(), "1");
  EXPECT_STREQ(cellOf(balance, "G8").child_value("v"), "99");
  EXPECT_STREQ(cellOf(balance, "G20").child_value("v"), "0");
  EXPECT_FALSE(cellOf(balance, "G20").attribute("t"));
  // Formula cells lose their cached results, except in the marking column.
  EXPECT_STREQ(cellOf(balance, "H5").child_value("f"), "G5*2");
  EXPECT_FALSE(cellOf(balance, "H5").child("v"));
  EXPECT_STREQ(cellOf(balance, "F9").child_value("f"), "F8+1");
  EXPECT_STREQ(cellOf(balance, "F9").child_value("v"), "7");
  // The shared formula lives on in the next cell of its group.
  EXPECT_FALSE(cellOf(balance, "K5").child("f"));
  EXPECT_STREQ(cellOf(balance, "K6").child_value("f"), "G6+1");
  EXPECT_STREQ(cellOf(balance, "K6").child("f").attribute("ref").value(), "K6:K7");
  EXPECT_STREQ(cellOf(balance, "K7").child("f").attribute("si").value(), "0");
  EXPECT_STREQ(balance.select_node("//dimension").node().attribute("ref").value(), "A1:K20");

  const pugi::xml_document income = after.xml("xl/worksheets/sheet3.xml");
  std::vector<int> rows;
  for (const auto& row : income.select_nodes("//row")) rows.push_back(row.node().attribute("r").as_int());
  EXPECT_EQ(rows, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
  EXPECT_STREQ(cellOf(income, "G4").child_value("v"), "-1");
  EXPECT_STREQ(cellOf(income, "J2").child_value("f"), "G5:G6*2");
  EXPECT_STREQ(cellOf(income, "F9").child_value("v"), "7");

  const pugi::xml_document workbook = after.xml("xl/workbook.xml");
  const pugi::xml_node calcPr = workbook.child("workbook").child("calcPr");
  EXPECT_STREQ(calcPr.attribute("fullCalcOnLoad").value(), "1");
  EXPECT_STREQ(calcPr.previous_sibling().name(), "definedNames");
  EXPECT_EQ(after.part("xl/calcChain.xml").find(R"(<c r="G8")"), std::string::npos);
  EXPECT_NE(after.part("xl/calcChain.xml").find(R"(<c r="H5" i="2"/><c r="F9" i="2"/><c r="H5" i="3"/>)"),
            std::string::npos);

  // The next export still finds its markings; reading alone rewrites nothing.
  XlsxSpreadsheet next(files, Regional{});
  next.open(path);
  EXPECT_EQ(next.readCell(2, 9, 6), "7");
  EXPECT_EQ(next.readCell(3, 9, 6), "7");
  EXPECT_EQ(next.readCell(2, 5, 6), "A.");
  EXPECT_EQ(next.readCell(2, 6, 11), "");  // the formula's result is gone until recalculated
  EXPECT_EQ(next.backupPath(), "");
  next.close();
  EXPECT_TRUE(readBytes(path) == saved);
  EXPECT_EQ(backupsIn(folder), std::vector<std::string>{backup});
}

TEST_F(XlsxSpreadsheetTest, SheetsNotWrittenStillLoseStaleFormulaResults) {
  // An analysis sheet after the statements, computed from them: a program
  // that shows cached results (LibreOffice) would show the old sums.
  const std::string path = folder.path("Analyza.xlsx");
  lxw_workbook* wb = workbook_new(path.c_str());
  lxw_worksheet* intro = workbook_add_worksheet(wb, "Úvod");
  worksheet_write_string(intro, 0, 0, "Kalkora", nullptr);
  for (const char* name : {"Rozvahy netto", "Výsledovky"}) {
    lxw_worksheet* sheet = workbook_add_worksheet(wb, name);
    worksheet_write_number(sheet, 4, 6, 10, nullptr);
    worksheet_write_formula_num(sheet, 4, 5, "=\"00\"&ROW()", nullptr, 5);
    worksheet_write_formula_num(sheet, 5, 6, "=G5*2", nullptr, 20);
  }
  lxw_worksheet* analysis = workbook_add_worksheet(wb, "Analýza");
  worksheet_write_formula_num(analysis, 0, 5, "='Rozvahy netto'!G6", nullptr, 20);
  worksheet_write_formula_num(analysis, 0, 6, "=Výsledovky!G6", nullptr, 20);
  ASSERT_EQ(workbook_close(wb), LXW_NO_ERROR);
  const std::string original = readBytes(path);

  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 5, 7, 15);
  spreadsheet.close();

  const PackageView before(original), after(readBytes(path));
  EXPECT_EQ(after.raw("xl/worksheets/sheet1.xml"), before.raw("xl/worksheets/sheet1.xml"));
  const pugi::xml_document income = after.xml("xl/worksheets/sheet3.xml");
  EXPECT_STREQ(cellOf(income, "G6").child_value("f"), "G5*2");
  EXPECT_FALSE(cellOf(income, "G6").child("v"));
  EXPECT_STREQ(cellOf(income, "F5").child_value("v"), "5");  // the marking column keeps its results
  const pugi::xml_document sheet4 = after.xml("xl/worksheets/sheet4.xml");
  for (const char* cell : {"F1", "G1"}) {
    EXPECT_TRUE(cellOf(sheet4, cell).child("f")) << cell;
    EXPECT_FALSE(cellOf(sheet4, cell).child("v")) << cell;  // column 6 of other sheets is no marking column
  }
}

TEST_F(XlsxSpreadsheetTest, EmptiedCalculationChainLeavesWithItsRelationshipAndContentType) {
  const std::string path = folder.path("Kalkora.xlsx");
  preparedWorkbook(path, R"(<c r="G8" i="2"/>)");
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 8, 7, 1);
  spreadsheet.close();
  EXPECT_TRUE(shown.empty());
  const PackageView after(readBytes(path));
  EXPECT_FALSE(after.has("xl/calcChain.xml"));
  EXPECT_EQ(after.part("xl/_rels/workbook.xml.rels").find("calcChain"), std::string::npos);
  EXPECT_EQ(after.part("[Content_Types].xml").find("calcChain"), std::string::npos);
  EXPECT_NE(after.part("xl/_rels/workbook.xml.rels").find("sharedStrings.xml"), std::string::npos);
}

TEST_F(XlsxSpreadsheetTest, OutputPathLeavesTheSourceAlone) {
  const std::string path = folder.path("Kalkora.xlsm");
  std::string bytes = readBytes(xlsx_test::makeKalkoraWorkbook(path));
  const std::string vba = std::string("\xD0\xCF\x11\xE0 our own project bytes\x00\x01", 27);
  bytes = withPart(bytes, "xl/vbaProject.bin", vba);
  writeBytes(path, bytes);
  spreadsheet.setOutputPath(folder.path("Výstup.xlsm"));
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 6, 7, 2);
  spreadsheet.close();
  EXPECT_TRUE(readBytes(path) == bytes);
  EXPECT_TRUE(backupsIn(folder).empty());
  const PackageView after(readBytes(folder.path("Výstup.xlsm")));
  EXPECT_EQ(after.part("xl/vbaProject.bin"), vba);
  EXPECT_EQ(after.names, PackageView(bytes).names);
  EXPECT_STREQ(cellOf(after.xml("xl/worksheets/sheet2.xml"), "G6").child_value("v"), "2");
}

// An export undone before the session ends leaves the workbook byte for
// byte, with no backup, and the next session writes as usual.
TEST_F(XlsxSpreadsheetTest, DroppedChangesAreNeverWritten) {
  const std::string path = folder.path("Kalkora.xlsx");
  const std::string bytes = readBytes(xlsx_test::makeKalkoraWorkbook(path));
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 6, 7, 2);
  spreadsheet.dropChanges();
  EXPECT_EQ(spreadsheet.backupPath(), "");
  spreadsheet.close();
  EXPECT_TRUE(readBytes(path) == bytes);
  EXPECT_TRUE(backupsIn(folder).empty());
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 6, 7, 2);
  spreadsheet.close();
  EXPECT_EQ(backupsIn(folder).size(), 1u);
}

TEST_F(XlsxSpreadsheetTest, RefusesBeforeWritingAnything) {
  const std::string path = folder.path("Kalkora.xlsx");
  const std::string good = readBytes(xlsx_test::makeKalkoraWorkbook(path));
  const auto refusal = [&](const std::string& bytes, const std::string& name = "Kalkora.xlsx") {
    writeBytes(folder.path(name), bytes);
    const std::string message = errorOf([&] {
      XlsxSpreadsheet session(files, Regional{});
      session.open(folder.path(name));
      session.writeNumber(2, 5, 7, 1);
      session.close();
    });
    EXPECT_TRUE(readBytes(folder.path(name)) == bytes);
    EXPECT_TRUE(backupsIn(folder).empty());
    return message;
  };
  writeBytes(folder.path("~$Kalkora.xlsx"), "owner");
  EXPECT_NE(refusal(good).find("má otevřený jiný program"), std::string::npos);
  std::filesystem::remove(folder.path("~$Kalkora.xlsx"));
  writeBytes(folder.path(".~lock.Kalkora.xlsx#"), "lock");
  EXPECT_NE(refusal(good).find(".~lock.Kalkora.xlsx#"), std::string::npos);
  std::filesystem::remove(folder.path(".~lock.Kalkora.xlsx#"));

  EXPECT_NE(refusal(good, "Kalkora.xls").find("jako Sešit Excelu (.xlsx)"), std::string::npos);
  EXPECT_NE(refusal("PK but no zip").find("není platný sešit aplikace Excel"), std::string::npos);
  ZipPackage withoutSheet(good, path);
  withoutSheet.remove("xl/worksheets/sheet3.xml");
  EXPECT_EQ(refusal(withoutSheet.save()), "Sešit " + path + " je poškozený: chybí v něm list „Výsledovky“.");
  ZipPackage withoutWorkbook(good, path);
  withoutWorkbook.remove("xl/workbook.xml");
  EXPECT_NE(refusal(withoutWorkbook.save()).find("chybí v něm část se sešitem"), std::string::npos);
  EXPECT_NE(refusal(withPart(good, "xl/media/bomb.xml", std::string(8 << 20, 'a'))).find("podezřele silně"),
            std::string::npos);
}

TEST_F(XlsxSpreadsheetTest, WorkbookSavedMeanwhileByAnotherProgramIsNotOverwritten) {
  const std::string path = folder.path("Kalkora.xlsx");
  xlsx_test::makeKalkoraWorkbook(path);
  spreadsheet.open(path);
  spreadsheet.writeNumber(2, 5, 7, 1);
  const std::string theirs = withPart(readBytes(path), "docProps/custom.xml", "<theirs/>");
  writeBytes(path, theirs);
  EXPECT_NE(errorOf([&] { spreadsheet.close(); }).find("se mezitím změnil"), std::string::npos);
  EXPECT_TRUE(readBytes(path) == theirs);
}

}  // namespace kalkora
