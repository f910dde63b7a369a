#include "platform/workbook_file.h"

#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/workbook_backups.h"
#include "platform/workbook_lock.h"

namespace kalkora {
namespace {

constexpr std::string_view kScratchPrefix = ".~kalkora-";

// Excel keeps an owner file "~$NAME" beside a workbook it has open.
void refuseExcelOwner(const FileSystem& files, const std::string& path) {
  const auto [folder, name] = splitPath(path);
  const std::string owner = folder + "~$" + name;
  if (files.fileExists(owner))
    throw Error("Sešit " + path +
                " má otevřený jiný program (Excel nebo LibreOffice). Zavřete ho a export opakujte. Pokud sešit "
                "nikde otevřený není, smažte soubor " + owner + ", který po programu zůstal.");
}

std::string heldMessage(const std::string& path, const std::string& lock, const LockEntry& holder, bool held,
                        const ProcessIdentity& me) {
  const std::string who = lockHolderText(holder);
  if (!isOwnProgramsLock(holder))
    return "Sešit " + path + " má otevřený jiný program (LibreOffice; " + who +
           "). Zavřete ho a export opakujte. Pokud sešit nikde otevřený není, smažte soubor " + lock +
           ", který po programu zůstal.";
  std::string message = "Do sešitu " + path + " právě exportuje jiný běh programu Kalkora import (" + who +
                        "). Počkejte, až export skončí, a spusťte ho znovu.";
  // Whether a run on another computer still goes on cannot be told from here.
  if (!held && holder.host != me.host)
    message += " Pokud na počítači " + holder.host + " žádný export neběží, smažte soubor " + lock + ".";
  return message;
}

// A lock nobody can make sense of, or one held by a running program, stays;
// one that a run of ours on this computer left when it ended is taken over.
JudgeExistingLock judgeLock(const std::string& path, const ProcessIdentity& me) {
  return [path, me](const ExistingLock& existing) {
    const std::string lock = lockPathOf(path);
    const auto holder = parseLockFile(existing.bytes);
    if (!holder)
      throw Error("Sešit " + path + " je zamčený souborem " + lock +
                  ", kterému program nerozumí. Pokud sešit nikde otevřený není, smažte ten soubor a export "
                  "opakujte.");
    if (isOwnProgramsLock(*holder) && holder->host == me.host && !existing.held) return;
    throw Error(heldMessage(path, lock, *holder, existing.held, me));
  };
}

// A workbook that another program has open in LibreOffice is refused as a
// source too; one that another export of ours fills is read as it stands,
// as that export replaces it whole.
void refuseOpenInLibreOffice(const FileSystem& files, const std::string& path, const ProcessIdentity& me) {
  const std::string lock = lockPathOf(path);
  if (!files.fileExists(lock)) return;
  const std::string bytes = files.readFile(lock);
  const auto holder = parseLockFile(bytes);
  if (holder && isOwnProgramsLock(*holder)) return;
  judgeLock(path, me)(ExistingLock{bytes, false});
}

}  // namespace

WorkbookFile::WorkbookFile(FileSystem& files, std::string path, std::optional<std::string> outputPath,
                           const ProcessIdentity& me, std::time_t now)
    : files_(files), path_(std::move(path)), outputPath_(std::move(outputPath)) {
  refuseExcelOwner(files_, path_);
  if (outputPath_) {
    refuseExcelOwner(files_, *outputPath_);
    refuseOpenInLibreOffice(files_, path_, me);
  }
  lock_ = files_.lockFile(lockPathOf(target()), lockFileText(ownLockEntry(me, now)), judgeLock(target(), me));
  removeStaleTemporaries();
  original_ = files_.readFile(path_);
  // Named when the export starts, so that it can tell the user the name
  // before the workbook is written back.
  const std::string stamp = backupStamp(now);
  if (inPlace()) {
    backupPath_ = backupPathOf(files_, path_, stamp);
    protocolPath_ = protocolPathOf(path_, backupPath_);
  } else {
    protocolPath_ = protocolPathBeside(files_, *outputPath_, stamp);
  }
}

WorkbookFile::~WorkbookFile() = default;

void checkWorkbookFree(FileSystem& files, const std::string& path, const ProcessIdentity& me) {
  refuseExcelOwner(files, path);
  files.lockFile(lockPathOf(path), lockFileText(ownLockEntry(me, std::time(nullptr))), judgeLock(path, me));
}

std::string WorkbookFile::scratchPath() const {
  const auto [folder, name] = splitPath(target());
  return folder + std::string(kScratchPrefix) + name;
}

RestoredBackup restoreNewestBackup(FileSystem& files, const std::string& path, const ProcessIdentity& me,
                                   std::time_t now) {
  WorkbookFile file(files, path, std::nullopt, me, now);
  const std::string newest = newestBackupOf(files, path);
  if (newest.empty())
    throw Error("Sešit " + path + " nemá žádnou zálohu, kterou by šlo vrátit. Zálohy vznikají při exportu do "
                "sešitu na jeho místě.");
  const RestoredBackup done{newest, file.backupPath()};
  file.write(files.readFile(newest));
  return done;
}

void WorkbookFile::write(std::string_view result) {
  try {
    if (inPlace())
      writeInPlace(result);
    else
      files_.writeFile(*outputPath_, result);
  } catch (...) {
    release();
    throw;
  }
  release();
}

void WorkbookFile::release() { lock_.reset(); }

void WorkbookFile::writeInPlace(std::string_view result) {
  // Another program may have saved the workbook since we read it; writing
  // ours over it would lose that work.
  if (files_.readFile(path_) != original_)
    throw Error("Sešit " + path_ + " se mezitím změnil (uložil ho jiný program). Export nebyl uložen; spusťte ho "
                "znovu.");
  files_.writeFile(backupPath_, original_);
  try {
    files_.writeFile(path_, result);
  } catch (...) {
    // The workbook stays as it was, so the copy of it is no backup of anything.
    try {
      files_.removeFile(backupPath_);
    } catch (const Error&) {
    }
    throw;
  }
  removeOldBackups(files_, path_);
}

// Only the holder of the lock writes these files, so any found now were
// left by a run that ended while writing: the target's and its backups'
// temporary files, the scratch file, and lock files half made.
void WorkbookFile::removeStaleTemporaries() {
  const auto [folder, name] = splitPath(target());
  const std::string lockName = splitPath(lockPathOf(target())).name;
  const std::string scratchName = std::string(kScratchPrefix) + name;
  for (const std::string& file : files_.fileNames(folder)) {
    const auto of = temporaryFileTarget(file);
    if (file != scratchName && !(of && (*of == name || *of == lockName || isBackupNameOf(*of, target())))) continue;
    // Another user's file may not be ours to remove; it harms nothing.
    try {
      files_.removeFile(folder + file);
    } catch (const Error&) {
    }
  }
}

}  // namespace kalkora
