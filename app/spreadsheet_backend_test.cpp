#include "app/spreadsheet_backend.h"

#include <gtest/gtest.h>

#include "platform/ini_file.h"

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

}  // namespace kalkora
