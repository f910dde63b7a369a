#include "statements/ruz_statement_reader.h"

#include <gmock/gmock.h>

#include "model/source_file.h"
#include "testing/reader_fixture.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// A RUZ file as the register exports it: assets lines carry brutto,
// correction, netto (s3) and the previous period; liabilities lines their
// current amount in s5 and the previous one in s6.
std::string ruzFile(const std::string& balanceExtra = "", bool withIncome = true, const std::string& header = "") {
  std::string xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<dokument>\n"
      "  <hlavicka>\n    <dic>2020123456</dic>\n";
  xml += header.empty() ? "    <uctJednotka>\n      <obchMeno>\n        <riadok>Alfa Stavby s.r.o.</riadok>\n"
                          "        <riadok>organizačná zložka</riadok>\n      </obchMeno>\n    </uctJednotka>\n"
                          "    <obdobie>\n      <od><mesiac>1</mesiac><rok>2021</rok></od>\n"
                          "      <do><mesiac>12</mesiac><rok>2021</rok></do>\n    </obdobie>\n"
                        : header;
  xml += "  </hlavicka>\n  <telo>\n    <ucPod1Suvaha>\n";
  for (int n = 1; n <= 145; ++n) {
    const std::string name = ruzBalanceElement(n);
    const std::string amount = std::to_string(n * 100);
    if (n < 79)
      xml += "      <" + name + "><s1>" + amount + "</s1><s2>0</s2><s3>" + amount + "</s3><s4>1</s4></" + name + ">\n";
    else
      xml += "      <" + name + "><s5>" + amount + "</s5><s6>2</s6></" + name + ">\n";
  }
  xml += balanceExtra + "    </ucPod1Suvaha>\n";
  if (withIncome) {
    xml += "    <ucPod2VykazZS>\n";
    for (int n = 1; n <= 61; ++n) {
      const std::string name = ruzIncomeElement(n);
      xml += "      <" + name + "><s1>" + std::to_string(n * 10) + "</s1><s2>3</s2></" + name + ">\n";
    }
    xml += "    </ucPod2VykazZS>\n";
  }
  return xml + "  </telo>\n</dokument>\n";
}

struct RuzLoad : ReaderTest {
  void load(const std::string& xml) {
    source("zavierka.xml", xml);
    NaplnitRUZvykazy(ws, services);
  }
};

}  // namespace

TEST(RuzElements, NamesByLineNumber) {
  EXPECT_EQ(ruzBalanceElement(1), "r001");
  EXPECT_EQ(ruzBalanceElement(9), "r009");
  EXPECT_EQ(ruzBalanceElement(10), "r010");
  EXPECT_EQ(ruzBalanceElement(145), "r145");
  EXPECT_EQ(ruzIncomeElement(1), "r01");
  EXPECT_EQ(ruzIncomeElement(10), "r10");
  EXPECT_EQ(ruzIncomeElement(61), "r61");
}

TEST_F(RuzLoad, CompleteFileFillsRowsOneTo206) {
  load(ruzFile());
  EXPECT_EQ(ws.mode, ImportMode::RuzStatement);
  EXPECT_EQ(ws.loadedCount, 2);
  ASSERT_EQ(ws.table.rowCount(), 207);
  EXPECT_EQ(ws.table.cell(3, 0), " Součtový řádek");
  for (int n = 1; n <= 145; ++n) {
    ASSERT_EQ(ws.table.cell(1, n), std::to_string(n));
    ASSERT_EQ(ws.table.cell(2, n), std::to_string(n * 100));
  }
  for (int n = 1; n <= 61; ++n) {
    ASSERT_EQ(ws.table.cell(1, 145 + n), std::to_string(n));
    ASSERT_EQ(ws.table.cell(2, 145 + n), std::to_string(n * 10));
  }
  EXPECT_EQ(ws.table.cell(3, 1), "Rozvaha aktiva - suma");
  EXPECT_EQ(ws.table.cell(3, 4), "Rozvaha aktiva");
  EXPECT_EQ(ws.table.cell(3, 74), "Rozvaha aktiva - suma");
  EXPECT_EQ(ws.table.cell(3, 78), "Rozvaha aktiva");
  EXPECT_EQ(ws.table.cell(3, 79), "Rozvaha pasiva - suma");
  EXPECT_EQ(ws.table.cell(3, 145), "Rozvaha pasiva");
  EXPECT_EQ(ws.table.cell(3, 146), "Výsledovka");
  EXPECT_EQ(ws.table.cell(3, 147), "Výsledovka - suma");
  EXPECT_EQ(ws.table.cell(3, 206), "Výsledovka - suma");
  EXPECT_EQ(ws.params.Edit35, "Alfa Stavby s.r.o.");  // the second "riadok" is ignored
  EXPECT_EQ(ws.params.Edit36, "2021");
}

TEST_F(RuzLoad, AmountsComeFromS3ThenS5AndAbsentLinesGetZero) {
  std::string xml = ruzFile();
  auto replace = [&xml](const std::string& from, const std::string& to) { xml.replace(xml.find(from), from.size(), to); };
  replace("<r100><s5>10000</s5>", "<r100><s3></s3><s5>5000</s5>");
  replace("<r005><s1>500</s1><s2>0</s2><s3>500</s3><s4>1</s4></r005>", "");
  replace("<r07><s1>70</s1>", "<r07><s1>-1234.5</s1>");  // taken as it stands
  load(xml);
  EXPECT_EQ(row(100), (Cells{"100", "5000", "Rozvaha pasiva - suma"}));
  EXPECT_EQ(row(5), (Cells{"5", "0", "Rozvaha aktiva"}));
  EXPECT_EQ(row(152), (Cells{"7", "-1234.5", "Výsledovka"}));
}

TEST_F(RuzLoad, CoefficientRoundsToWholeUnits) {
  ws.params.Edit34 = "0,001";
  std::string xml = ruzFile();
  xml.replace(xml.find("<s3>100</s3>"), 12, "<s3>123456</s3>");
  load(xml);
  EXPECT_EQ(ws.table.cell(2, 1), "123");
  EXPECT_EQ(ws.table.cell(2, 2), "0");     // 200 × 0,001
  EXPECT_EQ(ws.table.cell(2, 5), "1");     // 500 × 0,001, half away from zero
  EXPECT_EQ(ws.table.cell(2, 145), "15");  // 14500 × 0,001
}

TEST_F(RuzLoad, FurtherPartsAfterTheBalanceSheetAddNoLines) {
  std::string xml = ruzFile();
  xml.insert(xml.find("  </telo>"), "    <ucPod3Poznamky/>\n    <ucPod4Ine/>\n");
  load(xml);
  EXPECT_EQ(ws.loadedCount, 4);
  ASSERT_EQ(ws.table.rowCount(), 207);
  EXPECT_EQ(row(146), (Cells{"1", "10", "Výsledovka"}));
}

TEST_F(RuzLoad, MissingPartsLeaveTheirRowsAndBoxes) {
  ws.params.Edit35 = "předchozí";
  ws.params.Edit36 = "2020";
  load(ruzFile("", false, "    <ico>1</ico>\n"));
  ASSERT_EQ(ws.table.rowCount(), 207);
  EXPECT_EQ(row(145), (Cells{"145", "14500", "Rozvaha pasiva"}));
  EXPECT_EQ(row(146), (Cells{"", "", ""}));
  EXPECT_EQ(row(206), (Cells{"", "", ""}));
  EXPECT_EQ(ws.params.Edit35, "předchozí");
  EXPECT_EQ(ws.params.Edit36, "2020");
}

TEST_F(RuzLoad, FileWithoutTheBalanceSheetIsRefused) {
  ws.table.setCell(1, 1, "předchozí");
  ws.params.Edit35 = "předchozí";
  const char* message = "XML soubor neobsahuje takovou strukturu elementů, která je v parametrech nastavena.";
  for (const std::string xml : {"<dokument><telo><ucPod2VykazZS/></telo></dokument>", "<dokument><telo>",
                                "", "<Pisemnost><DPPDP9/></Pisemnost>"}) {
    SCOPED_TRACE(xml);
    source("zavierka.xml", xml);
    expectStopped(NaplnitRUZvykazy, message);
    EXPECT_EQ(ws.table.cell(1, 0), " Označení řádku");
    EXPECT_EQ(ws.table.cell(1, 1), "předchozí");
    EXPECT_EQ(ws.loadedCount, 0);
    EXPECT_EQ(ws.params.Edit35, "předchozí");
  }
  ws.params.Edit3 = "chybi.xml";
  EXPECT_THAT([&] { NaplnitRUZvykazy(ws, services); }, ThrowsMessage<Error>(StrEq(kSourceNotFound)));
  EXPECT_EQ(ws.mode, ImportMode::RuzStatement);
}

}  // namespace kalkora
