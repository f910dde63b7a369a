#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "export/spreadsheet.h"
#include "platform/regional.h"

namespace kalkora {

class Dialogs;
class FileSystem;
class IniFile;

// The spreadsheet both programs export into: the workbook file itself,
// edited by the xlsx backend. The marking column of the balance sheet and
// the income statement keeps its cached values, as the next export reads it.
// showFile is called with the saved path when the workbook was made visible
// (the window opens it in the user's spreadsheet program; kalkora-cli passes
// none). With an output path the result goes there and the workbook stays
// untouched.
std::unique_ptr<Spreadsheet> makeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                 std::function<void(const std::string&)> showFile = {},
                                                 const std::optional<std::string>& outputPath = std::nullopt);

// What the user is told when an export into the spreadsheet finished: where
// the previous version of the workbook stays; "" when none is kept.
std::string backupNotice(const Spreadsheet& spreadsheet);
// The same text for a backup named as given (the window shows the file's
// name alone, so that the note fits beside its button).
std::string backupNoticeFor(const std::string& backupName);

// How a workbook is written: the xlsx file backend edits the file itself,
// LibreOffice opens it as a document.
enum class Backend { File, LibreOffice };

// The backend the user chose for .xlsx/.xlsm workbooks in the window
// program: the key "Backend" of our own section "Kalkora-import" of the
// settings file, "libreoffice" or "file" (the default, also for any other
// value), as kalkora-cli's --backend.
inline constexpr const char* kBackendSection = "Kalkora-import";
inline constexpr const char* kBackendKey = "Backend";
Backend chosenBackend(const IniFile& settings);

// .xls and .ods workbooks always go to LibreOffice (the file backend
// cannot write them); any other goes to the chosen backend.
Backend backendFor(const std::string& workbookPath, Backend chosen);

using MakeSpreadsheet = std::function<std::unique_ptr<Spreadsheet>()>;

// A spreadsheet that makes the backend when the workbook is opened, as
// backendFor says for its path, and leaves everything else to it.
std::unique_ptr<Spreadsheet> makeChoosingSpreadsheet(Backend chosen, MakeSpreadsheet file,
                                                     MakeSpreadsheet libreOffice);

// kalkora-cli's spreadsheet: never shows anything, and writes the result to
// the output path or in place with a backup.
std::unique_ptr<Spreadsheet> makeBatchSpreadsheet(FileSystem& files, const Regional& regional, Backend chosen,
                                                  const std::optional<std::string>& outputPath);

// The window program's LibreOffice: started with its window on the first
// export that needs it and again when the user has closed it meanwhile,
// never ended by us. Its spreadsheets leave the workbook open and unsaved
// in LibreOffice's window, and the next export writes into that open
// document. A LibreOffice without windows (libreoffice-calc-nogui) fills the
// workbook file as kalkora-cli does instead, in place with a backup, and the
// file is then shown as the file backend shows it.
class LibreOfficeWindowSession {
 public:
  // showFile opens a filled workbook file for the user (without windows).
  LibreOfficeWindowSession(FileSystem& files, const Regional& regional,
                           std::function<void(const std::string&)> showFile);
  ~LibreOfficeWindowSession();
  std::unique_ptr<Spreadsheet> spreadsheet();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

// The window program's spreadsheets: an .xlsx/.xlsm workbook is written as a
// file and then opened in the user's spreadsheet program (dialogs' shell),
// unless LibreOffice was chosen; an .xls/.ods one, or any with LibreOffice
// chosen, is filled in the session's LibreOffice window and left open there.
MakeSpreadsheet makeWindowSpreadsheets(Backend chosen, FileSystem& files, const Regional& regional, Dialogs& dialogs,
                                       LibreOfficeWindowSession& libreOffice);

}  // namespace kalkora
