#include "platform/workbook_backups.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <optional>
#include <vector>

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/local_time.h"

namespace kalkora {
namespace {

// A workbook's backups are prefix + stamp [+ "_n"] + suffix.
struct BackupName {
  std::string folder, prefix, suffix;
};

BackupName backupName(const std::string& path) {
  const auto [folder, name] = splitPath(path);
  const auto dot = name.find_last_of('.');
  if (dot == std::string::npos || dot == 0) return {folder, name + ".", ".bak"};
  return {folder, name.substr(0, dot) + ".", ".bak" + name.substr(dot)};
}

constexpr const char* kProtocolSuffix = ".protokol.csv";

// Newer backups order after older ones: by stamp, then by the number of the
// same minute (none counts as 1).
using BackupOrder = std::pair<std::string, int>;

std::optional<BackupOrder> backupOrder(const BackupName& name, const std::string& file) {
  if (file.size() < name.prefix.size() + name.suffix.size() || !file.starts_with(name.prefix) ||
      !file.ends_with(name.suffix))
    return std::nullopt;
  const std::string middle =
      file.substr(name.prefix.size(), file.size() - name.prefix.size() - name.suffix.size());
  constexpr std::string_view kShape = "0000-00-00_0000";
  if (middle.size() < kShape.size()) return std::nullopt;
  for (size_t i = 0; i < kShape.size(); ++i)
    if (kShape[i] == '0' ? !std::isdigit(static_cast<unsigned char>(middle[i])) : middle[i] != kShape[i])
      return std::nullopt;
  if (middle.size() == kShape.size()) return BackupOrder{middle, 1};
  const std::string number = middle.substr(kShape.size());
  if (number.size() < 2 || number.size() > 6 || number[0] != '_' ||
      !std::all_of(number.begin() + 1, number.end(), [](unsigned char c) { return std::isdigit(c); }))
    return std::nullopt;
  return BackupOrder{middle.substr(0, kShape.size()), std::stoi(number.substr(1))};
}

}  // namespace

std::string backupStamp(std::time_t time) { return localTimeText(time, "%Y-%m-%d_%H%M"); }

std::string backupPathOf(const FileSystem& files, const std::string& path, const std::string& stamp) {
  const BackupName name = backupName(path);
  std::string candidate = name.folder + name.prefix + stamp + name.suffix;
  for (int n = 2; files.fileExists(candidate); ++n)
    candidate = name.folder + name.prefix + stamp + "_" + std::to_string(n) + name.suffix;
  return candidate;
}

namespace {

// The stamped backups of the workbook, newest first.
std::vector<std::string> backupsNewestFirst(const FileSystem& files, const BackupName& name) {
  std::vector<std::pair<BackupOrder, std::string>> backups;
  for (const std::string& file : files.fileNames(name.folder))
    if (const auto order = backupOrder(name, file)) backups.emplace_back(*order, file);
  std::ranges::sort(backups, std::greater<>());
  std::vector<std::string> names;
  for (auto& [order, file] : backups) names.push_back(name.folder + std::move(file));
  return names;
}

}  // namespace

void removeOldBackups(FileSystem& files, const std::string& path, size_t keep) {
  const std::vector<std::string> backups = backupsNewestFirst(files, backupName(path));
  for (size_t i = keep; i < backups.size(); ++i) files.removeFile(backups[i]);
}

std::string newestBackupOf(const FileSystem& files, const std::string& path) {
  const std::vector<std::string> backups = backupsNewestFirst(files, backupName(path));
  return backups.empty() ? "" : backups.front();
}

std::string protocolPathOf(const std::string& path, const std::string& backupPath) {
  const std::string& suffix = backupName(path).suffix;
  return backupPath.substr(0, backupPath.size() - suffix.size()) + kProtocolSuffix;
}

std::string protocolPathBeside(const FileSystem& files, const std::string& path, const std::string& stamp) {
  const BackupName name = backupName(path);
  std::string candidate = name.folder + name.prefix + stamp + kProtocolSuffix;
  for (int n = 2; files.fileExists(candidate); ++n)
    candidate = name.folder + name.prefix + stamp + "_" + std::to_string(n) + kProtocolSuffix;
  return candidate;
}

bool isBackupNameOf(const std::string& fileName, const std::string& path) {
  return backupOrder(backupName(path), fileName).has_value();
}

}  // namespace kalkora
