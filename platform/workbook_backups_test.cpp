#include "platform/workbook_backups.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>
#include <iterator>

#include "testing/memory_file_system.h"
#include "platform/error.h"

namespace kalkora {

using ::testing::HasSubstr;
using ::testing::StrEq;
using ::testing::ThrowsMessage;

TEST(WorkbookBackups, BackupsAreStampedAndTheNewestTenKept) {
  // 8 December 2026, 14:15 local time.
  std::tm local{};
  local.tm_year = 126, local.tm_mon = 11, local.tm_mday = 8, local.tm_hour = 14, local.tm_min = 15;
  local.tm_isdst = -1;
  const std::string stamp = backupStamp(std::mktime(&local));
  EXPECT_EQ(stamp, "2026-12-08_1415");

  MemoryFileSystem files;
  EXPECT_EQ(backupPathOf(files, "/d/Kalkora 2024.xlsx", stamp), "/d/Kalkora 2024.2026-12-08_1415.bak.xlsx");
  EXPECT_EQ(backupPathOf(files, "/d.x/Kalkora", stamp), "/d.x/Kalkora.2026-12-08_1415.bak");
  EXPECT_EQ(backupPathOf(files, "k.xlsm", stamp), "k.2026-12-08_1415.bak.xlsm");
  // A second export within the minute keeps the first one's backup.
  files.files["/d/K.2026-12-08_1415.bak.xlsx"] = "";
  files.files["/d/K.2026-12-08_1415_2.bak.xlsx"] = "";
  EXPECT_EQ(backupPathOf(files, "/d/K.xlsx", stamp), "/d/K.2026-12-08_1415_3.bak.xlsx");

  // Twelve stamped backups: the two oldest go; the same minute's later ones
  // count as newer, and files that are no stamped backup of K stay.
  for (int day = 1; day <= 9; ++day) files.files["/d/K.2026-11-0" + std::to_string(day) + "_0900.bak.xlsx"] = "";
  files.files["/d/K.2026-12-08_1415_10.bak.xlsx"] = "";
  const char* others[] = {"/d/K.bak.xlsx", "/d/K.xlsx", "/d/L.2026-01-01_0000.bak.xlsx",
                          "/d/K.2026-01-01_00.bak.xlsx", "/d/K.2026-01-01_0000_x.bak.xlsx", "/d/sub/K.2026-01-01_0000.bak.xlsx"};
  for (const char* other : others) files.files[other] = "";
  removeOldBackups(files, "/d/K.xlsx");
  EXPECT_FALSE(files.fileExists("/d/K.2026-11-01_0900.bak.xlsx"));
  EXPECT_FALSE(files.fileExists("/d/K.2026-11-02_0900.bak.xlsx"));
  EXPECT_TRUE(files.fileExists("/d/K.2026-11-03_0900.bak.xlsx"));
  EXPECT_TRUE(files.fileExists("/d/K.2026-12-08_1415.bak.xlsx"));
  EXPECT_TRUE(files.fileExists("/d/K.2026-12-08_1415_10.bak.xlsx"));
  for (const char* other : others) EXPECT_TRUE(files.fileExists(other)) << other;
  EXPECT_EQ(files.files.size(), 10u + std::size(others));
}

}  // namespace kalkora
