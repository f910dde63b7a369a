#pragma once
#include <cstddef>
#include <ctime>
#include <string>

namespace kalkora {

class FileSystem;

// The local date and time of a backup made at `time`, to the minute:
// "2026-12-08_1415".
std::string backupStamp(std::time_t time);

// Where the previous file is kept when the workbook is replaced: the name
// with the stamp and ".bak" before its extension ("Kalkora.xlsx" ->
// "Kalkora.2026-12-08_1415.bak.xlsx"), so the backup still opens in the
// spreadsheet program and every export keeps its own. A second backup within
// the same minute gets "_2", "_3" and so on after the stamp.
std::string backupPathOf(const FileSystem& files, const std::string& path, const std::string& stamp);

// The export protocol that goes with a backup of the workbook at path:
// "Kalkora.2026-12-08_1415.bak.xlsx" -> "Kalkora.2026-12-08_1415.protokol.csv".
std::string protocolPathOf(const std::string& path, const std::string& backupPath);
// The protocol of an export that keeps no backup: beside the file at path,
// with the stamp ("Firma.2026-12-08_1415.protokol.csv", then "_2" and so on
// within the same minute).
std::string protocolPathBeside(const FileSystem& files, const std::string& path, const std::string& stamp);

// The newest stamped backup of the workbook at path; "" when there is none.
std::string newestBackupOf(const FileSystem& files, const std::string& path);

// How many stamped backups of one workbook are kept.
inline constexpr size_t kKeptBackups = 10;

// Removes the stamped backups of the workbook beyond the newest `keep`;
// other files, a backup without a stamp included, stay.
void removeOldBackups(FileSystem& files, const std::string& path, size_t keep = kKeptBackups);

// True when the file name is a stamped backup of the workbook at path.
bool isBackupNameOf(const std::string& fileName, const std::string& path);

}  // namespace kalkora
