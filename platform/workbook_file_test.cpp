#include "platform/workbook_file.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

#include "platform/error.h"
#include "platform/workbook_lock.h"
#include "testing/memory_file_system.h"

namespace kalkora {
namespace {

using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

const ProcessIdentity kMe{"jana", "ucetni-pc", 4242};
const std::string kWorkbook = "/d/Kalkora 2026.xlsx";
const std::string kLock = "/d/.~lock.Kalkora 2026.xlsx#";

// 9 December 2026, 14:15 local time.
std::time_t exportTime() {
  std::tm local{};
  local.tm_year = 126, local.tm_mon = 11, local.tm_mday = 9, local.tm_hour = 14, local.tm_min = 15;
  local.tm_isdst = -1;
  return std::mktime(&local);
}

std::unique_ptr<WorkbookFile> openFile(MemoryFileSystem& files, std::optional<std::string> output = std::nullopt) {
  return std::make_unique<WorkbookFile>(files, kWorkbook, std::move(output), kMe, exportTime());
}

MemoryFileSystem withWorkbook() {
  MemoryFileSystem files;
  files.files[kWorkbook] = "původní";
  return files;
}

}  // namespace

// Each holder the lock file can name, and the lock files nobody can read:
// refused before the workbook is read (it is unreadable here, so reading it
// would give another message), with the holder named, and nothing of ours
// made or removed.
TEST(WorkbookFile, AWorkbookHeldElsewhereIsRefusedBeforeAnythingIsRead) {
  const LockEntry libreOffice{"Petr Novák", "petr", "kancelar", "09.12.2026 13:02", "file:///home/petr/.config/libreoffice/4"};
  const LockEntry otherExport{"Kalkora import (karel)", "karel", "ucetni-pc", "09.12.2026 14:10", "kalkora-import:77"};
  const LockEntry otherComputer{"Kalkora import (karel)", "karel", "server", "09.12.2026 14:10", "kalkora-import:77"};
  struct Case {
    std::string lockFile, bytes;
    bool held;
    std::string message;
  } cases[] = {
      {"/d/~$Kalkora 2026.xlsx", "  karel", false,
       "Sešit " + kWorkbook + " má otevřený jiný program (Excel nebo LibreOffice). Zavřete ho a export opakujte. "
       "Pokud sešit nikde otevřený není, smažte soubor /d/~$Kalkora 2026.xlsx, který po programu zůstal."},
      {kLock, lockFileText(libreOffice), false,
       "Sešit " + kWorkbook + " má otevřený jiný program (LibreOffice; uživatel Petr Novák (petr), počítač "
       "kancelar, od 09.12.2026 13:02). Zavřete ho a export opakujte. Pokud sešit nikde otevřený není, smažte "
       "soubor " + kLock + ", který po programu zůstal."},
      {kLock, lockFileText(otherExport), true,
       "Do sešitu " + kWorkbook + " právě exportuje jiný běh programu Kalkora import (uživatel karel, počítač "
       "ucetni-pc, od 09.12.2026 14:10). Počkejte, až export skončí, a spusťte ho znovu."},
      {kLock, lockFileText(otherComputer), false,
       "Do sešitu " + kWorkbook + " právě exportuje jiný běh programu Kalkora import (uživatel karel, počítač "
       "server, od 09.12.2026 14:10). Počkejte, až export skončí, a spusťte ho znovu. Pokud na počítači server "
       "žádný export neběží, smažte soubor " + kLock + "."},
      {kLock, "Petr Novák,petr,kancelar;", false,
       "Sešit " + kWorkbook + " je zamčený souborem " + kLock + ", kterému program nerozumí. Pokud sešit nikde "
       "otevřený není, smažte ten soubor a export opakujte."},
  };
  for (const Case& c : cases) {
    MemoryFileSystem files = withWorkbook();
    files.unreadable = kWorkbook;
    files.files[c.lockFile] = c.bytes;
    if (c.held) files.heldLocks.insert(c.lockFile);
    const auto before = files.files;
    EXPECT_THAT([&] { openFile(files); }, ThrowsMessage<Error>(c.message)) << c.bytes;
    EXPECT_EQ(files.files, before) << c.bytes;
  }
  MemoryFileSystem files = withWorkbook();
  files.files[kLock] = lockFileText(otherExport);
  files.unreadable = kLock;
  EXPECT_THAT([&] { openFile(files); }, ThrowsMessage<Error>(HasSubstr("nelze otevřít: " + kLock)));
}

// A run of ours that ended on this computer (killed while it saved, say)
// left its lock and temporary files: the next export takes the lock over,
// removes the temporary files of the workbook, of its backups and of its
// lock, and lands; other files of the folder stay.
TEST(WorkbookFile, WhatAnEndedRunLeftIsTakenOverAndCleanedUp) {
  MemoryFileSystem files = withWorkbook();
  files.files[kLock] = lockFileText({"Kalkora import (jana)", "jana", "ucetni-pc", "09.12.2026 09:00", "kalkora-import:12"});
  const char* stale[] = {"/d/.Kalkora 2026.xlsx.tmp123456", "/d/..~lock.Kalkora 2026.xlsx#.tmp98",
                         "/d/.~kalkora-Kalkora 2026.xlsx", "/d/.Kalkora 2026.2026-12-09_0900.bak.xlsx.tmp7"};
  const char* kept[] = {"/d/.Kalkora 2026.xlsx.tmp", "/d/.Kalkora 2026.xlsx.tmpx1", "/d/.Jiný.xlsx.tmp1",
                        "/d/Kalkora 2026.xlsx.tmp1", "/d/sub/.Kalkora 2026.xlsx.tmp1",
                        "/d/Kalkora 2026.2026-12-09_0900.bak.xlsx"};
  for (const char* path : stale) files.files[path] = "";
  for (const char* path : kept) files.files[path] = "";

  auto file = openFile(files);
  const auto lock = parseLockFile(files.files.at(kLock));
  ASSERT_TRUE(lock);
  EXPECT_EQ(lock->url, "kalkora-import:4242");
  EXPECT_EQ(lock->since, "09.12.2026 14:15");
  for (const char* path : stale) EXPECT_FALSE(files.fileExists(path)) << path;
  EXPECT_EQ(file->backupPath(), "/d/Kalkora 2026.2026-12-09_1415.bak.xlsx");
  file->write("nový");
  EXPECT_EQ(files.files.at(kWorkbook), "nový");
  EXPECT_EQ(files.files.at("/d/Kalkora 2026.2026-12-09_1415.bak.xlsx"), "původní");
  EXPECT_FALSE(files.fileExists(kLock));
  for (const char* path : kept) EXPECT_TRUE(files.fileExists(path)) << path;
}

// An export to an output path locks that path, not the workbook it reads,
// so that many runs can fill copies of one template at once; a template
// open in LibreOffice is still refused.
TEST(WorkbookFile, AnOutputPathIsLockedInsteadOfTheWorkbook) {
  MemoryFileSystem files = withWorkbook();
  files.files[kLock] = lockFileText({"Kalkora import (karel)", "karel", "ucetni-pc", "", "kalkora-import:77"});
  files.heldLocks.insert(kLock);
  auto file = openFile(files, "/e/Firma.xlsx");
  EXPECT_TRUE(files.heldLocks.count("/e/.~lock.Firma.xlsx#"));
  EXPECT_EQ(file->backupPath(), "");
  EXPECT_EQ(file->scratchPath(), "/e/.~kalkora-Firma.xlsx");
  file->write("vyplněný");
  EXPECT_EQ(files.files.at("/e/Firma.xlsx"), "vyplněný");
  EXPECT_FALSE(files.fileExists("/e/.~lock.Firma.xlsx#"));
  EXPECT_EQ(files.files.at(kWorkbook), "původní");

  files.heldLocks.clear();
  files.files[kLock] = lockFileText({"Petr", "petr", "kancelar", "", "file:///home/petr/.config/libreoffice/4"});
  EXPECT_THAT([&] { openFile(files, "/e/Firma.xlsx"); }, ThrowsMessage<Error>(HasSubstr("(LibreOffice; uživatel Petr")));
  EXPECT_FALSE(files.fileExists("/e/.~lock.Firma.xlsx#"));
}

// A folder we may not write, a disk that fills up while the export saves,
// and a workbook another program saved meanwhile: a Czech message, the
// workbook as it was, and no lock, backup or temporary file left.
TEST(WorkbookFile, AFailedSaveLeavesTheWorkbookAsItWasAndNothingOfOurs) {
  MemoryFileSystem readOnly = withWorkbook();
  readOnly.readOnlyFolder = "/d/";
  EXPECT_THAT([&] { openFile(readOnly); },
              ThrowsMessage<Error>("Zámek nelze vytvořit: " + kLock + " (přístup byl odepřen)."));
  EXPECT_EQ(readOnly.files.size(), 1u);

  const size_t lockSize = lockFileText(ownLockEntry(kMe, exportTime())).size();
  // Room for the lock only, then for the lock and the backup too.
  for (const size_t room : {lockSize, lockSize + std::string("původní").size()}) {
    MemoryFileSystem full = withWorkbook();
    full.spaceLeft = room;
    auto file = openFile(full);
    EXPECT_THAT([&] { file->write("nový obsah"); }, ThrowsMessage<Error>(HasSubstr("(na disku není místo)")));
    EXPECT_EQ(full.files, withWorkbook().files) << room;
  }

  MemoryFileSystem changed = withWorkbook();
  auto file = openFile(changed);
  changed.files[kWorkbook] = "uložil ho Excel";
  EXPECT_THAT([&] { file->write("nový"); }, ThrowsMessage<Error>(HasSubstr("se mezitím změnil")));
  EXPECT_EQ(changed.files.size(), 1u);
  EXPECT_EQ(changed.files.at(kWorkbook), "uložil ho Excel");
}

}  // namespace kalkora
