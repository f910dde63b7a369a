#pragma once
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "platform/process_identity.h"

namespace kalkora {

// A workbook's lock file in LibreOffice's own format, ".~lock.NAME#" beside
// the workbook, so that LibreOffice, the window program and every
// kalkora-cli run see each other's locks. It holds one entry of five fields,
// "name,login,host,09.12.2026 14:15,url;", where "\", "," and ";" inside a
// field are escaped with "\".
struct LockEntry {
  std::string name;   // the user's name as the program shows it
  std::string login;
  std::string host;
  std::string since;  // local date and time, to the minute
  std::string url;    // LibreOffice's user profile; "kalkora-import:<pid>" for ours
};

std::string lockPathOf(const std::string& workbookPath);

// Our own entry: the name also tells LibreOffice's users which program
// holds the workbook.
LockEntry ownLockEntry(const ProcessIdentity& me, std::time_t now);
bool isOwnProgramsLock(const LockEntry& entry);

std::string lockFileText(const LockEntry& entry);
// The first entry of a lock file; none when the bytes are no such entry.
std::optional<LockEntry> parseLockFile(std::string_view bytes);

// "uživatel jan, počítač pc1, od 09.12.2026 14:15", leaving out what the
// entry does not say.
std::string lockHolderText(const LockEntry& entry);

}  // namespace kalkora
