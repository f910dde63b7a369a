#include "xlsx/workbook_file_checks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "testing/memory_file_system.h"
#include "platform/error.h"

namespace kalkora {

using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(WorkbookFileChecks, FormatsWeCanWriteAndTheOldOne) {
  EXPECT_NO_THROW(checkWorkbookFormat("/d/Kalkora.xlsx"));
  EXPECT_NO_THROW(checkWorkbookFormat("/d/Kalkora.XLSM"));
  try {
    checkWorkbookFormat("/d/Kalkora.xls");
    FAIL();
  } catch (const Error& e) {
    EXPECT_NE(std::string(e.what()).find("Uložte ho v Excelu jako Sešit Excelu (.xlsx)"), std::string::npos);
  }
  EXPECT_THAT([&] { checkWorkbookFormat("/d/Kalkora.ods"); },
              ThrowsMessage<Error>(StrEq("Soubor /d/Kalkora.ods není sešit aplikace Excel ve formátu .xlsx nebo .xlsm. "
                                         "Uložte sešit jako .xlsx a připojte uložený soubor.")));
  EXPECT_THAT([&] { checkWorkbookFormat("/d/Kalkora"); }, ThrowsMessage<Error>(HasSubstr("Soubor /d/Kalkora není sešit")));
}

TEST(WorkbookFileChecks, OwnerAndLockFilesOfOtherPrograms) {
  MemoryFileSystem files;
  files.files["/d/Kalkora.xlsx"] = "x";
  EXPECT_NO_THROW(checkNotHeldOpen(files, "/d/Kalkora.xlsx"));
  files.files["/d/~$Jiný.xlsx"] = "";
  EXPECT_NO_THROW(checkNotHeldOpen(files, "/d/Kalkora.xlsx"));
  for (const std::string lock : {"/d/~$Kalkora.xlsx", "/d/.~lock.Kalkora.xlsx#"}) {
    MemoryFileSystem held = files;
    held.files[lock] = "";
    try {
      checkNotHeldOpen(held, "/d/Kalkora.xlsx");
      FAIL() << lock;
    } catch (const Error& e) {
      EXPECT_NE(std::string(e.what()).find("má otevřený jiný program"), std::string::npos);
      EXPECT_NE(std::string(e.what()).find(lock), std::string::npos);
    }
  }
}

TEST(WorkbookFileChecks, BackupKeepsTheExtension) {
  EXPECT_EQ(backupPathOf("/d/Kalkora 2024.xlsx"), "/d/Kalkora 2024.bak.xlsx");
  EXPECT_EQ(backupPathOf("/d.x/Kalkora"), "/d.x/Kalkora.bak");
  EXPECT_EQ(backupPathOf("k.xlsm"), "k.bak.xlsm");
}

}  // namespace kalkora
