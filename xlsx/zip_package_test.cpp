#include "xlsx/zip_package.h"

#include <gtest/gtest.h>

#include "testing/xlsx_test_support.h"
#include "platform/error.h"

namespace kalkora {
namespace {

using xlsx_test::errorOf;
using xlsx_test::PackageView;

}  // namespace

TEST(ZipPackage, ChangesOnlyWhatItIsToldAndKeepsEntryOrder) {
  xlsx_test::ScratchFolder folder;
  const std::string original = xlsx_test::readBytes(xlsx_test::makeKalkoraWorkbook(folder.path("k.xlsx")));
  const PackageView before(original);

  ZipPackage package(original, "k.xlsx");
  EXPECT_TRUE(package.contains("/XL/workbook.xml"));
  EXPECT_EQ(package.read("xl/workbook.xml"), before.part("xl/workbook.xml"));
  EXPECT_FALSE(package.modified());
  package.replace("xl/worksheets/sheet2.xml", "<new/>");
  package.remove("docProps/app.xml");
  EXPECT_EQ(package.read("xl/worksheets/sheet2.xml"), "<new/>");
  EXPECT_FALSE(package.contains("docProps/app.xml"));
  const std::string saved = package.save();

  const PackageView after(saved);
  std::vector<std::string> expectedNames = before.names;
  std::erase(expectedNames, "docProps/app.xml");
  EXPECT_EQ(after.names, expectedNames);
  for (const std::string& name : after.names) {
    if (name == "xl/worksheets/sheet2.xml") {
      EXPECT_EQ(after.part(name), "<new/>");
    } else {
      EXPECT_TRUE(after.raw(name) == before.raw(name)) << name;  // copied as stored, not recompressed
    }
  }
  // A small package needs no zip64 records: no zip64 end records, no zip64
  // extra fields and no data descriptors in the local headers.
  EXPECT_EQ(saved.find(std::string("PK\x06\x06", 4)), std::string::npos);
  EXPECT_EQ(saved.find(std::string("PK\x06\x07", 4)), std::string::npos);
  const auto u16 = [&](size_t at) { return static_cast<unsigned char>(saved[at]) | static_cast<unsigned char>(saved[at + 1]) << 8; };
  for (size_t at = saved.find("PK\x03\x04"); at != std::string::npos; at = saved.find("PK\x03\x04", at + 4)) {
    EXPECT_EQ(u16(at + 6) & 0x08, 0);
    const size_t extra = at + 30 + u16(at + 26);
    for (size_t k = extra; k < extra + u16(at + 28); k += 4 + u16(k + 2)) EXPECT_NE(u16(k), 1);
  }
  EXPECT_EQ(package.original(), original);
}

TEST(ZipPackage, RefusesWhatIsNoZipAndWhatUnpacksTooFar) {
  EXPECT_EQ(errorOf([] { ZipPackage("not a zip at all", "k.xlsx"); }),
            "Soubor k.xlsx není platný sešit aplikace Excel (.xlsx, .xlsm) nebo je poškozený.");
  xlsx_test::ScratchFolder folder;
  const std::string workbook = xlsx_test::readBytes(xlsx_test::makeKalkoraWorkbook(folder.path("k.xlsx")));
  const std::string bomb = xlsx_test::withPart(workbook, "customXml/item1.xml", std::string(4 << 20, ' '));
  EXPECT_NE(errorOf([&] { ZipPackage(bomb, "k.xlsx"); }).find("část customXml/item1.xml je podezřele silně"),
            std::string::npos);
  EXPECT_NE(errorOf([&] { ZipPackage(workbook, "k.xlsx", PackageLimits{1000, 100, 100 << 10}); })
                .find("víc než povolených"),
            std::string::npos);
  ZipPackage package(workbook, "k.xlsx");
  EXPECT_EQ(errorOf([&] { package.read("xl/missing.xml"); }), "Sešit k.xlsx je poškozený: část xl/missing.xml chybí.");
}

TEST(ZipPackage, TheInflateRatioAndItsGraceSizeAreLimitsNotRefusals) {
  // A stored part of 1000 bytes packs into 1000 bytes: ratio 1 : 1.
  const std::string package = xlsx_test::storedPackage("xl/part.xml", std::string(1000, 'a'));
  const auto refusal = [&](PackageLimits limits) { return errorOf([&] { ZipPackage(package, "k.xlsx", limits); }); };
  EXPECT_EQ(refusal({1000, 1, 0}), "");
  EXPECT_EQ(refusal({1000, 0, 0}),
            "Sešit k.xlsx nelze otevřít: část xl/part.xml je podezřele silně zkomprimovaná (1 : 1, povoleno nejvýš 0 : 1).");
  EXPECT_EQ(refusal({1000, 0, 1000}), "");  // no larger than the grace size: the ratio is not checked
  EXPECT_NE(refusal({1000, 0, 999}), "");
  EXPECT_NE(refusal({999, 100, 100 << 10}).find("část xl/part.xml má po rozbalení"), std::string::npos);
}

// A document is parsed in a text read for it: a stored part and a part
// replaced in this session must give the same bytes as read() does.
TEST(ZipPackage, AStoredOrReplacedPartIsReadForADocumentAsItStands) {
  const std::string content = "<a>" + std::string(1000, 'b') + "</a>";
  ZipPackage package(xlsx_test::storedPackage("xl/part.xml", content), "k.xlsx");
  EXPECT_EQ(package.read("xl/part.xml"), content);
  EXPECT_EQ(package.readXml("xl/part.xml").view(), content);
  package.replace("xl/part.xml", "<c/>");
  EXPECT_EQ(package.readXml("/XL/Part.xml").view(), "<c/>");
}

TEST(ZipPackage, ADamagedPartIsRefusedWhenRead) {
  xlsx_test::ScratchFolder folder;
  std::string workbook = xlsx_test::readBytes(xlsx_test::makeKalkoraWorkbook(folder.path("k.xlsx")));
  const std::string stored = PackageView(workbook).raw("xl/workbook.xml");
  const size_t at = workbook.find(stored);
  ASSERT_NE(at, std::string::npos);
  workbook[at + stored.size() / 2] ^= 0x5A;  // the size stays, the content or its CRC no longer fits
  ZipPackage package(workbook, "k.xlsx");
  EXPECT_EQ(errorOf([&] { package.read("xl/workbook.xml"); }),
            "Sešit k.xlsx je poškozený: část xl/workbook.xml nelze přečíst.");
}

}  // namespace kalkora
