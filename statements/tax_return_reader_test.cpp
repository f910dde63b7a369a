#include "statements/tax_return_reader.h"

#include <gmock/gmock.h>

#include "platform/cp1250.h"
#include "model/source_file.h"
#include "testing/reader_fixture.h"

namespace kalkora {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

namespace {

// A return as the tax portal exports it, in windows-1250: header records,
// then assets lines 1 to 81, liabilities 1 to 67 and income lines 1 to 56.
// Amounts are line × 1000 (assets), × 100 (liabilities), × 10 (income).
std::string taxReturn(const std::string& form, const std::string& lines = "") {
  std::string xml = "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n<Pisemnost nazevSW=\"EPO MF ČR\">\n<" + form +
                    " verzePis=\"03.01\">\n"
                    "<VetaD k_uladis=\"DPP\" dokument=\"DP9\" zdobd_od=\"01.01.2021\" zdobd_do=\"31.12.2021\"/>\n"
                    "<VetaP zkrobchjm=\"Šťastná Beta s.r.o.\" ic=\"12345678\"/>\n<VetaO/>\n";
  if (!lines.empty()) {
    xml += lines;
  } else {
    for (int n = 1; n <= 81; ++n)
      xml += "<VetaUA c_radku=\"" + std::to_string(n) + "\" kc_brutto=\"1\" kc_netto=\"" + std::to_string(n * 1000) +
             "\" kc_netto_min=\"5\"/>\n";
    for (int n = 1; n <= 67; ++n)
      xml += "<VetaUD c_radku=\"" + std::to_string(n) + "\" kc_sled=\"" + std::to_string(n * 100) +
             "\" kc_min=\"5\"/>\n";
    for (int n = 1; n <= 56; ++n)
      xml += "<VetaUB c_radku=\"" + std::to_string(n) + "\" kc_sled=\"" + std::to_string(n * 10) +
             "\" kc_min=\"5\"/>\n";
  }
  return utf8ToCp1250(xml + "</" + form + ">\n</Pisemnost>\n");
}

struct TaxReturnLoad : ReaderTest {
  void SetUp() override { ws.params.RadioGroup3 = 1; }
  void load(const std::string& xml) {
    source("dppdp.xml", xml);
    NaplnitMFCRvykazy(ws, services);
  }
};

}  // namespace

TEST_F(TaxReturnLoad, FullReturnIsRenumberedOntoTheLayout) {
  load(taxReturn("DPPDP9"));
  EXPECT_EQ(ws.mode, ImportMode::TaxReturn);
  EXPECT_EQ(ws.loadedCount, 0);
  ASSERT_EQ(ws.table.rowCount(), 1 + 81 + 67 + 56);
  EXPECT_EQ(ws.params.Edit38, "Šťastná Beta s.r.o.");
  EXPECT_EQ(ws.params.Edit39, "2021");
  EXPECT_EQ(ws.params.Edit40, "148");
  EXPECT_EQ(ws.params.Edit41, "56");

  // Assets: lines 1 to 73 as they stand, then 74 to 77 twice (78 to 81 less 4).
  EXPECT_EQ(row(1), (Cells{"1", "1000", "Rozvaha aktiva - suma"}));
  EXPECT_EQ(row(2), (Cells{"2", "2000", "Rozvaha aktiva"}));
  EXPECT_EQ(row(73), (Cells{"73", "73000", "Rozvaha aktiva"}));
  EXPECT_EQ(row(74), (Cells{"74", "74000", "Rozvaha aktiva - suma"}));
  EXPECT_EQ(row(77), (Cells{"77", "77000", "Rozvaha aktiva"}));
  EXPECT_EQ(row(78), (Cells{"74", "78000", "Rozvaha aktiva - suma"}));
  EXPECT_EQ(row(79), (Cells{"75", "79000", "Rozvaha aktiva - suma"}));
  EXPECT_EQ(row(80), (Cells{"76", "80000", "Rozvaha aktiva - suma"}));
  EXPECT_EQ(row(81), (Cells{"77", "81000", "Rozvaha aktiva"}));
  // Liabilities continue from 78; 144 to 146 are shown as 141 to 143.
  EXPECT_EQ(row(82), (Cells{"78", "100", "Rozvaha pasiva - suma"}));
  EXPECT_EQ(row(81 + 64), (Cells{"141", "6400", "Rozvaha pasiva - suma"}));
  EXPECT_EQ(row(81 + 66), (Cells{"143", "6600", "Rozvaha pasiva"}));
  EXPECT_EQ(row(81 + 67), (Cells{"141", "6700", "Rozvaha pasiva"}));
  // Income lines as they stand.
  EXPECT_EQ(row(149), (Cells{"1", "10", "Výsledovka"}));
  EXPECT_EQ(row(149 + 54), (Cells{"55", "550", "Výsledovka - suma"}));
  EXPECT_EQ(row(204), (Cells{"56", "560", "Výsledovka - suma"}));
}

TEST_F(TaxReturnLoad, FormChoiceAndStructureCheck) {
  ws.params.RadioGroup3 = 0;
  load(taxReturn("DPPDP8"));
  EXPECT_EQ(ws.params.Edit40, "148");

  ws.table.setCell(1, 1, "předchozí");
  ws.params.Edit38 = "předchozí";
  const char* wrongForm =
      "XML soubor neobsahuje strukturu, která je v parametrech nastavena. Upravte nastavení, pravděpodobně typ roku "
      "výkazu.";
  for (const std::string& xml : {taxReturn("DPPDP9"), std::string("<Pisemnost><DPPDP8"), std::string()}) {
    source("dppdp.xml", xml);
    expectStopped(NaplnitMFCRvykazy, wrongForm);
    EXPECT_EQ(ws.table.cell(1, 1), "předchozí");
    EXPECT_EQ(ws.params.Edit38, "předchozí");
  }

  ws.params.RadioGroup3 = -1;
  expectStopped(NaplnitMFCRvykazy, "Není vybrán žádný rok uzávěrky, vyberte jej.");
  EXPECT_EQ(ws.mode, ImportMode::TaxReturn);
  ws.params.RadioGroup3 = 1;
  ws.params.Edit3 = "chybi.xml";
  EXPECT_THAT([&] { NaplnitMFCRvykazy(ws, services); }, ThrowsMessage<Error>(StrEq(kSourceNotFound)));
}

TEST_F(TaxReturnLoad, AmountsAndCoefficient) {
  ws.params.Edit37 = "0,001";
  load(taxReturn("DPPDP9",
                 "<VetaUA c_radku=\"1\" kc_netto=\"1600\"/>\n<VetaUA c_radku=\"2\"/>\n"
                 "<VetaUA c_radku=\"3\" kc_netto=\"\"/>\n<VetaUA c_radku=\"4\" kc_netto=\"12.5\"/>\n"
                 "<VetaUB c_radku=\"1\" kc_sled=\"-2500\"/>\n"));
  EXPECT_EQ(rows(1, 2), (Table{{"1", "2"}, {"2", "0"}, {"3", "0"}, {"4", "12.5"}, {"1", "-3"}}));
  EXPECT_EQ(ws.params.Edit40, "4");
  EXPECT_EQ(ws.params.Edit41, "1");
}

// A part ends at a line number that is missing or no integer; its row is
// taken by the next part, or dropped at the end.
TEST_F(TaxReturnLoad, BadLineNumbersEndTheirPart) {
  load(taxReturn("DPPDP9",
                 "<VetaUA c_radku=\"1\" kc_netto=\"5\"/>\n<VetaUA c_radku=\"x\" kc_netto=\"6\"/>\n"
                 "<VetaUA c_radku=\"3\" kc_netto=\"7\"/>\n"
                 "<VetaUD kc_sled=\"8\"/>\n<VetaUD c_radku=\"2\" kc_sled=\"9\"/>\n"
                 "<VetaUB c_radku=\"99999999999\" kc_sled=\"1\"/>\n"));
  EXPECT_EQ(rows(), (Table{{"1", "5", "Rozvaha aktiva - suma"}}));
  EXPECT_EQ(ws.params.Edit40, "1");
  EXPECT_EQ(ws.params.Edit41, "0");
  EXPECT_EQ(ws.table.rowCount(), 2);
}

TEST_F(TaxReturnLoad, MissingPartsAndHeaderRecords) {
  ws.params.Edit38 = "předchozí";
  ws.params.Edit40 = ws.params.Edit41 = "9";
  load("<Pisemnost><DPPDP9><VetaP ic=\"1\"/><VetaD zdobd_do=\"2021\"/>"
       "<VetaUB c_radku=\"3\" kc_sled=\"30\"/><VetaUB c_radku=\"4\" kc_sled=\"40\"/></DPPDP9></Pisemnost>");
  EXPECT_EQ(rows(), (Table{{"3", "30", "Výsledovka - suma"}, {"4", "40", "Výsledovka"}}));
  EXPECT_EQ(ws.params.Edit40, "0");
  EXPECT_EQ(ws.params.Edit41, "2");
  EXPECT_EQ(ws.params.Edit38, "předchozí");  // VetaP without zkrobchjm
  EXPECT_EQ(ws.params.Edit39, "");           // a date too short for a year

}

// Many returns are filed without the statements: the load says so and
// leaves no empty row that an export would take for a line.
TEST_F(TaxReturnLoad, AReturnWithoutStatementLinesSaysSoAndLeavesNoRow) {
  source("dppdp.xml", taxReturn("DPPDP9", "<VetaO kc_zakldan=\"120000\"/>\n<VetaB pocet_priloh=\"0\"/>\n"));
  ws.params.Edit40 = ws.params.Edit41 = "9";
  expectStopped(NaplnitMFCRvykazy, kNoStatementsMessage);
  EXPECT_EQ(ws.table.rowCount(), 1);
  EXPECT_EQ(ws.table.cell(1, 0), " Označení řádku");
  EXPECT_EQ(ws.params.Edit38, "Šťastná Beta s.r.o.");
  EXPECT_EQ(ws.params.Edit39, "2021");
  EXPECT_EQ(ws.params.Edit40, "0");
  EXPECT_EQ(ws.params.Edit41, "0");
}

TEST_F(TaxReturnLoad, TheYearIsReadFromPeriodEndsWithOrWithoutLeadingZeros) {
  const std::pair<const char*, const char*> ends[] = {
      {"31.12.2021", "2021"}, {"31.3.2025", "2025"}, {"1.1.2025", "2025"}, {"01.01.2024", "2024"},
      {"2022-06-30", "2022"},
      // None of these forms: characters 7 to 10, as before.
      {"31.12.21", "21"}, {"2021", ""}, {"31.12.2021 00:00:00", "2021"}, {"2022-6-30", "-30"},
  };
  for (const auto& [end, year] : ends) {
    load("<Pisemnost><DPPDP9><VetaD zdobd_do=\"" + std::string(end) +
         "\"/><VetaUA c_radku=\"1\" kc_netto=\"5\"/></DPPDP9></Pisemnost>");
    EXPECT_EQ(ws.params.Edit39, year) << end;
  }
}

TEST_F(TaxReturnLoad, AtMost299LinesFitTheTable) {
  std::string lines;
  for (int n = 1; n <= 5000; ++n) lines += "<VetaUA c_radku=\"" + std::to_string(n % 70 + 1) + "\" kc_netto=\"1\"/>\n";
  lines += "<VetaUB c_radku=\"1\" kc_sled=\"1\"/>\n";
  load(taxReturn("DPPDP9", lines));
  EXPECT_EQ(ws.table.rowCount(), 300);
  EXPECT_EQ(ws.params.Edit40, "299");
  EXPECT_EQ(ws.params.Edit41, "0");
  EXPECT_EQ(row(299), (Cells{"20", "1", "Rozvaha aktiva - suma"}));
}

}  // namespace kalkora
