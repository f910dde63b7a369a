#include "platform/workbook_lock.h"

#include <array>
#include <vector>

#include "platform/file_system.h"
#include "platform/local_time.h"

namespace kalkora {
namespace {

constexpr std::string_view kOwnUrl = "kalkora-import:";

std::string escaped(const std::string& field) {
  std::string out;
  for (const char c : field) {
    if (c == '\\' || c == ',' || c == ';') out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

std::string lockPathOf(const std::string& workbookPath) {
  const auto [folder, name] = splitPath(workbookPath);
  return folder + ".~lock." + name + "#";
}

LockEntry ownLockEntry(const ProcessIdentity& me, std::time_t now) {
  return {"Kalkora import (" + me.user + ")", me.user, me.host, localTimeText(now, "%d.%m.%Y %H:%M"),
          std::string(kOwnUrl) + std::to_string(me.pid)};
}

bool isOwnProgramsLock(const LockEntry& entry) { return entry.url.starts_with(kOwnUrl); }

std::string lockFileText(const LockEntry& entry) {
  return escaped(entry.name) + "," + escaped(entry.login) + "," + escaped(entry.host) + "," + escaped(entry.since) +
         "," + escaped(entry.url) + ";";
}

std::optional<LockEntry> parseLockFile(std::string_view bytes) {
  std::array<std::string, 5> fields;
  size_t field = 0;
  for (size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c == '\\') {
      if (++i == bytes.size() || (bytes[i] != '\\' && bytes[i] != ',' && bytes[i] != ';')) return std::nullopt;
      fields[field] += bytes[i];
    } else if (c == ',') {
      if (++field == fields.size()) return std::nullopt;
    } else if (c == ';') {
      if (field != fields.size() - 1) return std::nullopt;
      return LockEntry{fields[0], fields[1], fields[2], fields[3], fields[4]};
    } else {
      fields[field] += c;
    }
  }
  return std::nullopt;
}

std::string lockHolderText(const LockEntry& entry) {
  std::string user = entry.login;
  if (!isOwnProgramsLock(entry) && !entry.name.empty())
    user = entry.login.empty() || entry.login == entry.name ? entry.name : entry.name + " (" + entry.login + ")";
  std::vector<std::string> parts;
  if (!user.empty()) parts.push_back("uživatel " + user);
  if (!entry.host.empty()) parts.push_back("počítač " + entry.host);
  if (!entry.since.empty()) parts.push_back("od " + entry.since);
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : ", ") + part;
  return text;
}

}  // namespace kalkora
