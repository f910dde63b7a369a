#include "turnovers/xml_turnover_reader.h"

#include <gtest/gtest.h>

#include "model/xml_mapping.h"
#include "testing/memory_file_system.h"
#include "platform/operation_stopped.h"
#include "platform/cp1250.h"
#include "testing/recording_messages.h"
#include "turnovers/csv_turnover_reader.h"

namespace kalkora {
namespace {

using P = XmlPart;

struct Fixture {
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;

  // Sets the names as typing would, so the flags follow their rules.
  Fixture(std::initializer_list<std::pair<P, const char*>> names, const std::string& xml) {
    for (const auto& [part, name] : names) setXmlName(ws.params, part, name);
    ws.params.Edit3 = "obraty.xml";
    fs.files["obraty.xml"] = xml;
  }

  // Column 1 and 2 of the data rows, "account=amount" separated by "|".
  std::string load() {
    NaplnitXMLobraty(ws, services);
    std::string out;
    for (int row = 1; row < ws.table.rowCount(); ++row)
      out += (row > 1 ? "|" : "") + ws.table.cell(1, row) + "=" + ws.table.cell(2, row);
    return out;
  }

  // The message of a load that ends early; a stopped load's plain message
  // comes as it is, an error's with "error: " before it.
  std::string loadError() {
    try {
      NaplnitXMLobraty(ws, services);
    } catch (const OperationStopped& e) {
      return e.what();
    } catch (const Error& e) {
      return std::string("error: ") + e.what();
    }
    return "no error";
  }
};

const std::initializer_list<std::pair<P, const char*>> kElementLayout = {
    {P::ParentElement, "ucet"}, {P::AccountElement, "cislo"}, {P::AmountElement, "zustatek"},
    {P::SecondAmountElement, "zustatek2"}};

}  // namespace

TEST(XmlTurnoverReader, ElementLayout) {
  Fixture f(kElementLayout,
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<obraty>\n"
            "  <ucet><cislo>code:311000</cislo><zustatek>0,00</zustatek><zustatek2>1500</zustatek2></ucet>\n"
            "  <!-- komentar --><?poznamka x?>\n  <jiny><cislo>999</cislo><zustatek>1</zustatek></jiny>\n"
            "  <ucet><cislo>A code:311</cislo><zustatek>200</zustatek><zustatek2>1500</zustatek2></ucet>\n"
            "  <ucet><cislo> 321 </cislo><zustatek>***1 234,5</zustatek></ucet>\n"
            "  <ucet><cislo>325</cislo><zustatek>1234.567</zustatek></ucet>\n"
            "  <ucet><zustatek>5</zustatek></ucet>\n"
            "  <ucet><cislo>326</cislo></ucet>\n"
            "</obraty>");
  EXPECT_EQ(f.load(), "311000=1500|311=200|321=1234,5|325=1234,56|326=0");
  EXPECT_EQ(f.ws.mode, ImportMode::XmlTurnovers);
  // The comment and the processing instruction are nodes of the walk too.
  EXPECT_EQ(f.ws.loadedCount, 9);
  EXPECT_EQ(f.ws.table.cell(1, 0), " Číslo účtu");
  EXPECT_EQ(f.ws.table.cell(3, 0), " Podle definice bude exportován do");
}

TEST(XmlTurnoverReader, ItemAttributeLayoutThroughRootAndPrecedingElement) {
  Fixture f({{P::RootElement, "data"}, {P::PrecedingElement, "ucty"}, {P::ParentElement, "zaznam"},
             {P::ItemElement, "polozka"}, {P::ItemAccountAttribute, "ucet"}, {P::AmountAttribute, "castka"},
             {P::SecondAmountAttribute, "castka2"}},
            "<export><data><ucty>"
            "<zaznam><polozka ucet=\"311-000\" castka=\"200\" castka2=\"0\"/></zaznam>"
            "<zaznam><polozka ucet=\"321-1-2\" castka=\"*7\"/></zaznam>"
            "<zaznam><polozka ucet=\"401\"/></zaznam>"
            "<zaznam><jina ucet=\"501\" castka=\"9\"/></zaznam>"
            "</ucty></data></export>");
  EXPECT_EQ(f.load(), "311000=0|3211-2=*7|401=0");

  // Without the root flag the preceding element is looked for right below the document element.
  setXmlFlag(f.ws.params, P::RootElement, false);
  EXPECT_EQ(f.loadError(), kXmlStructureMessage);
  f.fs.files["obraty.xml"] = "<export><ucty><zaznam><polozka ucet=\"1\" castka=\"2\"/></zaznam></ucty></export>";
  EXPECT_EQ(f.load(), "1=2");
}

TEST(XmlTurnoverReader, ParentAttributeLayoutWithCoefficient) {
  Fixture f({{P::ParentElement, "ucet"}, {P::ParentAccountAttribute, "cislo"}, {P::AmountElement, "castka"}},
            "<r><ucet cislo=\"501\"><castka>1234.567</castka></ucet>"
            "<ucet cislo=\"502\"><castka>1\xC2\xA0" "234</castka></ucet>"
            "<ucet cislo=\"503\"><castka>-2,5</castka></ucet></r>");
  f.ws.params.Edit14 = "0,001";
  // The regional thousands separator (here a no-break space) becomes "x", so the coefficient leaves that amount.
  EXPECT_EQ(f.load(), "501=1|502=1x234|503=0");
  f.ws.params.Edit14 = "2";
  EXPECT_EQ(f.load(), "501=2469|502=1x234|503=-5");
}

TEST(XmlTurnoverReader, WithoutTheParentFlagNothingIsRead) {
  Fixture f(kElementLayout, "<r><ucet><cislo>311</cislo><zustatek>1</zustatek></ucet><ucet/></r>");
  setXmlFlag(f.ws.params, P::ParentElement, false);
  EXPECT_EQ(f.load(), "=0");
  EXPECT_EQ(f.ws.loadedCount, 2);
}

TEST(XmlTurnoverReader, BadFilesGiveAMessageAndLeaveTheTable) {
  Fixture f(kElementLayout, "");
  f.ws.table.setCell(1, 1, "stary");
  f.ws.params.Edit3 = "chybi.xml";
  EXPECT_EQ(f.loadError(), std::string("error: ") + kSourceNotFound);
  EXPECT_EQ(f.ws.table.cell(1, 0), "");

  f.ws.params.Edit3 = "obraty.xml";
  std::string nested;
  for (int i = 0; i < 10000; ++i) nested += "<a>";
  for (int i = 0; i < 10000; ++i) nested += "</a>";
  for (const std::string& xml :
       {std::string(), std::string("<r><ucet>"), std::string("\xEF\xBB\xBF"), std::string("<r><jiny/></r>"),
        std::string("<?xml version=\"1.0\"?><!DOCTYPE r [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;\">]>"
                    "<r><jiny>&b;</jiny></r>"),
        nested}) {
    f.fs.files["obraty.xml"] = xml;
    f.ws.loadedCount = 5;
    EXPECT_EQ(f.loadError(), kXmlStructureMessage) << xml.substr(0, 40);
    EXPECT_EQ(f.ws.table.cell(1, 0), " Číslo účtu");
    EXPECT_EQ(f.ws.table.cell(1, 1), "stary");
    EXPECT_EQ(f.ws.loadedCount, 0);
  }
}

TEST(XmlTurnoverReader, EncodingsEntitiesAndDeepRecords) {
  Fixture f(kElementLayout,
            "<?xml version=\"1.0\" encoding=\"windows-1250\"?><r><ucet><cislo>311\x9A</cislo><zustatek>1</zustatek>"
            "</ucet></r>");
  EXPECT_EQ(f.load(), "311š=1");
  // The same bytes without a declaration, or declared UTF-8, are no UTF-8: the code page it is.
  for (const char* declaration : {"", "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"}) {
    f.fs.files["obraty.xml"] =
        std::string(declaration) + "<r><ucet><cislo>\xE8\xED\x73lo</cislo><zustatek>1</zustatek></ucet></r>";
    EXPECT_EQ(f.load(), "číslo=1") << declaration;
  }

  const std::string utf8 = "<r><ucet><cislo>č</cislo><zustatek>2</zustatek></ucet></r>";
  std::string utf16 = "\xFF\xFE";
  for (char32_t c : decodeUtf8(utf8)) utf16 += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
  f.fs.files["obraty.xml"] = utf16;
  EXPECT_EQ(f.load(), "č=2");

  // An entity of the document type stays unexpanded; the record still reads.
  f.fs.files["obraty.xml"] =
      "<!DOCTYPE r [<!ENTITY x \"311\">]><r><ucet><cislo>&x;</cislo><zustatek>&amp;3</zustatek></ucet></r>";
  EXPECT_EQ(f.load(), "&x;=&3");

  // A record holding its amount 10,000 elements deep.
  std::string deep = "<r><ucet><cislo>4</cislo><zustatek>";
  for (int i = 0; i < 10000; ++i) deep += "<a>";
  deep += "7";
  for (int i = 0; i < 10000; ++i) deep += "</a>";
  f.fs.files["obraty.xml"] = deep + "</zustatek></ucet></r>";
  EXPECT_EQ(f.load(), "4=7");
}

TEST(XmlTurnoverReader, RowsOfAnEarlierLoadNeverSurvive) {
  std::string xml = "<r>";
  for (int i = 1; i <= 1200; ++i)
    xml += i == 1100 ? std::string("<jiny/>") : "<ucet><cislo>" + std::to_string(i) + "</cislo><zustatek>1</zustatek></ucet>";
  Fixture f(kElementLayout, xml + "</r>");
  f.ws.table.setRowCount(1500);
  for (int row = 1; row < 1500; ++row) f.ws.table.setCell(1, row, "999"), f.ws.table.setCell(3, row, "stary");
  f.load();
  EXPECT_EQ(f.ws.table.rowCount(), 1200);
  EXPECT_EQ(f.ws.table.cell(1, 1099), "1099");
  EXPECT_EQ(f.ws.table.cell(1, 1100), "1101");
  EXPECT_EQ(f.ws.table.cell(3, 1100), "");
}

}  // namespace kalkora
