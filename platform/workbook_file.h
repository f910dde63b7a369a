#pragma once
#include <ctime>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/process_identity.h"

namespace kalkora {

class FileSystem;
class HeldLock;

// One export's hold on the workbook file it fills: the rules that every
// backend writing the file itself keeps.
//
// Opening locks the file the export will write (the workbook in place, or
// the output path) with a lock file in LibreOffice's format, so that two
// exports never write over each other, and refuses, before anything is read,
// a workbook that Excel (its owner file "~$NAME") or LibreOffice holds open,
// or that another export holds. A lock that a run of ours on this computer
// left behind when it ended is taken over, and so are the temporary files
// such runs left beside the file. The lock is held until the result is
// written or the hold ends.
//
// Writing in place refuses a workbook that another program saved since it
// was read, keeps the file as read as a stamped backup (the newest ten
// stay), and replaces the workbook atomically; a failure leaves the
// workbook as it was, without the backup it would have had. Every failure
// raises Error with a Czech message.
class WorkbookFile {
 public:
  WorkbookFile(FileSystem& files, std::string path, std::optional<std::string> outputPath,
               const ProcessIdentity& me = currentProcess(), std::time_t now = std::time(nullptr));
  ~WorkbookFile();
  WorkbookFile(const WorkbookFile&) = delete;
  WorkbookFile& operator=(const WorkbookFile&) = delete;

  bool inPlace() const { return !outputPath_; }
  // The workbook as it was read.
  const std::string& original() const { return original_; }
  // Where the previous file stays once the result replaces it in place; ""
  // when the result goes to an output path.
  const std::string& backupPath() const { return backupPath_; }
  // Where the protocol of the export goes: beside the file written, named
  // like its backup ("name.2026-12-08_1415.protokol.csv").
  const std::string& protocolPath() const { return protocolPath_; }
  // Where a backend that can only store its result as a file (LibreOffice)
  // puts it on the way: beside the target, with the target's extension,
  // which names the format.
  std::string scratchPath() const;

  // Writes the result to the output path, or in place, and lets go of the
  // lock, whether or not the write succeeds.
  void write(std::string_view result);
  // Lets go of the lock without writing anything.
  void release();

 private:
  const std::string& target() const { return outputPath_ ? *outputPath_ : path_; }
  void writeInPlace(std::string_view result);
  void removeStaleTemporaries();

  FileSystem& files_;
  std::string path_;
  std::optional<std::string> outputPath_;
  std::unique_ptr<HeldLock> lock_;
  std::string original_;
  std::string backupPath_;
  std::string protocolPath_;
};

// For a program that then holds the workbook itself (LibreOffice with its
// windows, which keeps a lock of its own): refuses a workbook that another
// program or export holds, as opening a WorkbookFile does, and removes a
// lock that a run of ours left when it ended.
void checkWorkbookFree(FileSystem& files, const std::string& path, const ProcessIdentity& me = currentProcess());

// What a restore did: the backup put back, and where the workbook as it
// stood before is kept.
struct RestoredBackup {
  std::string restored;
  std::string keptAs;
};

// Puts the newest stamped backup of the workbook back in its place, under
// the same lock and rules as an export; the workbook as it stood becomes a
// backup of its own, so nothing is lost, and a second restore brings it
// back. Raises Error with a Czech message when there is no backup.
RestoredBackup restoreNewestBackup(FileSystem& files, const std::string& path,
                                   const ProcessIdentity& me = currentProcess(), std::time_t now = std::time(nullptr));

}  // namespace kalkora
