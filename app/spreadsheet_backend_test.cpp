#include "app/spreadsheet_backend.h"

#include <gtest/gtest.h>

#include "app/shell_open.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "testing/recording_dialogs.h"
#include "testing/xlsx_test_support.h"

namespace kalkora {

// .xls and .ods whatever the letter case and the choice; the others as chosen
// in the settings, where only "libreoffice" chooses LibreOffice.
TEST(SpreadsheetBackend, XlsAndOdsGoToLibreOfficeTheRestAsChosen) {
  EXPECT_EQ(backendFor("/k/Kalkora.XLS", Backend::File), Backend::LibreOffice);
  EXPECT_EQ(backendFor("/k.x/kalkora.ods", Backend::File), Backend::LibreOffice);
  EXPECT_EQ(backendFor("/k/kalkora.xlsx", Backend::File), Backend::File);
  EXPECT_EQ(backendFor("/k.xls/kalkora", Backend::File), Backend::File);
  EXPECT_EQ(backendFor("/k/kalkora.xlsm", Backend::LibreOffice), Backend::LibreOffice);

  EXPECT_EQ(chosenBackend(IniFile::parse("[Kalkora-import]\r\nBackend=libreoffice\r\n")), Backend::LibreOffice);
  EXPECT_EQ(chosenBackend(IniFile::parse("[Kalkora-import]\r\nBackend=excel\r\n")), Backend::File);
  EXPECT_EQ(chosenBackend(IniFile::parse("[Nastaveni]\r\nBackend=libreoffice\r\n")), Backend::File);
}

// The window opens a written workbook in the user's spreadsheet program; a
// desktop that has none for it gets the error box, the workbook saved all
// the same.
TEST(SpreadsheetBackend, TheWindowShowsTheWrittenWorkbookOrSaysWhatIsMissing) {
  xlsx_test::ScratchFolder folder;
  const std::string path = folder.path("Kalkora.xlsx");
  xlsx_test::makeKalkoraWorkbook(path);
  DiskFileSystem fs;
  RecordingDialogs dialogs;
  LibreOfficeWindowSession libreOffice(fs, Regional{}, {});
  const MakeSpreadsheet spreadsheets = makeWindowSpreadsheets(Backend::File, fs, Regional{}, dialogs, libreOffice);
  for (const bool opens : {true, false}) {
    dialogs.shellOpens = opens;
    dialogs.shown.clear();
    const auto spreadsheet = spreadsheets();
    spreadsheet->setVisible(true);
    spreadsheet->open(path);
    spreadsheet->writeNumber(2, 5, 7, opens ? 1 : 2);
    spreadsheet->close();
    std::vector<std::string> expected{"shell: " + path};
    if (!opens) expected.push_back("error: " + cannotOpenMessage(path, ShellFile::Workbook));
    EXPECT_EQ(dialogs.shown, expected);
  }
  EXPECT_EQ(cannotOpenMessage("/k/a.xlsx", ShellFile::Workbook),
            "Sešit /k/a.xlsx je uložený, ale nelze ho otevřít: systém nenašel program, který by ho ukázal. "
            "Nainstalujte tabulkový program (například balíček libreoffice-calc) a nástroj xdg-open (balíček "
            "xdg-utils), nebo soubor otevřete ručně.");
}

}  // namespace kalkora
