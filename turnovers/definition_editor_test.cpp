#include "turnovers/definition_editor.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "platform/cp1250.h"
#include "platform/error.h"
#include "testing/memory_file_system.h"

namespace kalkora {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

struct DefinitionEditorTest : ::testing::Test {
  MemoryFileSystem fs;
  DefinitionEditor editor;

  std::vector<std::string> descriptions() const {
    std::vector<std::string> d;
    for (int i = 0; i < editor.rowCount(); ++i) d.push_back(editor.row(i).description);
    return d;
  }
};

}  // namespace

TEST_F(DefinitionEditorTest, LoadKeepsEveryRecordThatHoldsAnythingAndDropsOnlyWhollyEmptyOnes) {
  // Seven lines: the third record holds only its description.
  fs.files["/d/seven.txt"] = "A\r\n   006 A\r\n353,\r\nB\r\n   008 B\r\n01,\r\nC\r\n";
  editor.load(fs, "/d/seven.txt");
  ASSERT_EQ(editor.rowCount(), 3);
  EXPECT_EQ(editor.row(2).description, "C");
  EXPECT_EQ(editor.row(2).rowLine, "");
  EXPECT_EQ(editor.row(2).accounts, "");
  EXPECT_EQ(definitionRowNumber(editor.row(1)), "   008");

  // A record without a description stays; a wholly empty one in the middle and
  // the blank lines at the end go; an empty first record stays row 1.
  fs.files["/d/gaps.txt"] = "\r\n\r\n\r\nA\r\n   006 A\r\n353,\r\n\r\n   007 bez popisu\r\n\r\n\r\n\r\n\r\n"
                            "\r\n\r\n\r\nD\r\n   009 D\r\n04,\r\n\r\n\r\n";
  editor.load(fs, "/d/gaps.txt");
  EXPECT_EQ(descriptions(), (std::vector<std::string>{"", "A", "", "D"}));
  EXPECT_EQ(editor.row(2).rowLine, "   007 bez popisu");

  fs.files["/d/empty.txt"] = "";
  editor.select(2);
  editor.load(fs, "/d/empty.txt");
  EXPECT_EQ(descriptions(), std::vector<std::string>{""});
  EXPECT_EQ(editor.selected(), 0);

  // An unreadable file leaves the editor empty, not with the last file's rows.
  editor.load(fs, "/d/gaps.txt");
  fs.unreadable = "/d/gaps.txt";
  EXPECT_THAT([&] { editor.load(fs, "/d/gaps.txt"); }, ThrowsMessage<Error>(StrEq("Soubor nelze otevřít: /d/gaps.txt.")));
  EXPECT_EQ(descriptions(), std::vector<std::string>{""});
}

TEST_F(DefinitionEditorTest, LeavingTheAccountBoxStoresTheCleanedListInTheSelectedRow) {
  fs.files["/d/l.txt"] = "A\r\n   006 A\r\n353,\r\nB\r\n   008 B\r\n01,\r\n";
  editor.load(fs, "/d/l.txt");
  editor.select(1);
  EXPECT_EQ(editor.leaveAccountBox("311, 312"), "311,312,");
  EXPECT_EQ(editor.row(1).accounts, "311,312,");
  EXPECT_EQ(editor.row(0).accounts, "353,");
  EXPECT_EQ(editor.leaveAccountBox(""), ",");
  EXPECT_EQ(editor.leaveAccountBox(" -391 , 343< ,"), "-391,343<,");
  // A pasted line break would split the record in the file.
  EXPECT_EQ(editor.leaveAccountBox("311,\r\n312"), "311,312,");
  EXPECT_EQ(editor.row(1).accounts, "311,312,");
}

TEST_F(DefinitionEditorTest, SaveWritesEveryRecordWholeInTheEncodingItWasRead) {
  // windows-1250, LF line ends, second lines longer than the six characters
  // shown, and more records than the grid of the old editor held.
  std::string source, expected;
  for (int i = 1; i <= 250; ++i) {
    const std::string record = "Pohledávky " + std::to_string(i) + "\n   " + std::to_string(100 + i) +
                               " Pohledávky z obchodních vztahů\n311,-391,314>,\n";
    source += record;
    std::string crlf;
    for (char c : record) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    expected += crlf;
  }
  fs.files["/d/cp.txt"] = utf8ToCp1250(source);
  editor.load(fs, "/d/cp.txt");
  ASSERT_EQ(editor.rowCount(), 250);
  editor.save(fs, "/d/out.txt");
  EXPECT_EQ(fs.files["/d/out.txt"], utf8ToCp1250(expected));

  // A character windows-1250 cannot hold makes the whole file UTF-8, not "?".
  editor.select(249);
  editor.leaveAccountBox("311,Ж");
  editor.save(fs, "/d/out.txt");
  EXPECT_TRUE(isValidUtf8(fs.files["/d/out.txt"]));
  EXPECT_TRUE(fs.files["/d/out.txt"].ends_with("\r\n311,Ж,\r\n"));
  EXPECT_NE(fs.files["/d/out.txt"].find("Pohledávky 1\r\n"), std::string::npos);

  // A UTF-8 file stays UTF-8, its byte-order mark included.
  fs.files["/d/bom.txt"] = "\xEF\xBB\xBFZásoby\r\n   012 Zásoby\r\n11,\r\n";
  editor.load(fs, "/d/bom.txt");
  editor.save(fs, "/d/bom2.txt");
  EXPECT_EQ(fs.files["/d/bom2.txt"], fs.files["/d/bom.txt"]);

  // A save that cannot write leaves the file as it was.
  fs.unwritable = "/d/bom.txt";
  editor.leaveAccountBox("99,");
  EXPECT_THAT([&] { editor.save(fs, "/d/bom.txt"); }, ThrowsMessage<Error>(StrEq("Soubor nelze zapsat: /d/bom.txt.")));
  EXPECT_EQ(fs.files["/d/bom.txt"], fs.files["/d/bom2.txt"]);
}

TEST(UnknownEntriesNote, NamesTheEntriesTheExportWouldNotRead) {
  EXPECT_EQ(unknownEntriesNote("311,-391,314>,343<,-3431>,,"), "");
  EXPECT_EQ(unknownEntriesNote(","), "");
  EXPECT_EQ(unknownEntriesNote("311,31a1,"), "Neznámý zápis účtu: 31a1");
  EXPECT_EQ(unknownEntriesNote("3-11,311-,-,<,311<>,>311,3.1,"),
            "Neznámý zápis účtu: 3-11, 311-, -, <, 311<>, >311, 3.1");
}

}  // namespace kalkora
