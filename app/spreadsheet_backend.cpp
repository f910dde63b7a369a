#include "app/spreadsheet_backend.h"

#include <algorithm>
#include <ctime>
#include <filesystem>

#include "app/dialogs.h"
#include "app/shell_open.h"
#include "libreoffice/libreoffice_file_session.h"
#include "libreoffice/libreoffice.h"
#include "export/forwarding_spreadsheet.h"
#include "export/marking_column.h"
#include "platform/workbook_backups.h"
#include "platform/workbook_file.h"
#include "platform/error.h"
#include "platform/ini_file.h"
#include "xlsx/xlsx_spreadsheet.h"

namespace kalkora {
namespace {

class FileSpreadsheet : public Spreadsheet {
 public:
  FileSpreadsheet(FileSystem& files, const Regional& regional, std::function<void(const std::string&)> showFile)
      : xlsx_(files, regional, std::move(showFile)) {
    xlsx_.keepCachedValues(
        [](int position, std::string_view name) { return isStatementSheet(position, name) ? kMarkingColumn : 0; });
  }

  void setOutputPath(std::string path) { xlsx_.setOutputPath(std::move(path)); }

  void open(const std::string& path) override { xlsx_.open(path); }
  void setVisible(bool visible) override { xlsx_.setVisible(visible); }
  // A file has no calculation to switch: a written workbook is always
  // recalculated when it is opened.
  void setCalculation(Calculation) override {}
  std::string sheetName(int sheet) override { return xlsx_.sheetName(sheet); }
  std::string readCell(int sheet, int row, int column) override { return xlsx_.readCell(sheet, row, column); }
  void writeNumber(int sheet, int row, int column, double value) override {
    xlsx_.writeNumber(sheet, row, column, value);
  }
  std::string backupPath() const override { return xlsx_.backupPath(); }
  std::string protocolPath() const override { return xlsx_.protocolPath(); }
  bool canDropChanges() const override { return true; }
  void dropChanges() override { xlsx_.dropChanges(); }
  void close() override { xlsx_.close(); }

 private:
  XlsxSpreadsheet xlsx_;
};

// Opens the workbook with the backend its path calls for; everything else
// goes to that backend.
class ChoosingSpreadsheet : public ForwardingSpreadsheet {
 public:
  ChoosingSpreadsheet(Backend chosen, MakeSpreadsheet file, MakeSpreadsheet libreOffice)
      : chosen_(chosen), file_(std::move(file)), libreOffice_(std::move(libreOffice)) {}

  void open(const std::string& path) override {
    backend_ = backendFor(path, chosen_) == Backend::File ? file_() : libreOffice_();
    backend_->setVisible(visible_);
    backend_->open(path);
  }
  void setVisible(bool visible) override {
    visible_ = visible;
    if (backend_) backend_->setVisible(visible);
  }
  std::string backupPath() const override { return backend_ ? backend_->backupPath() : ""; }
  std::string protocolPath() const override { return backend_ ? backend_->protocolPath() : ""; }
  bool canDropChanges() const override { return backend_ && backend_->canDropChanges(); }
  void dropChanges() override { target().dropChanges(); }
  void close() override { target().close(); }

 private:
  Spreadsheet& target() override {
    if (!backend_) throw Error("Není otevřený žádný sešit.");
    return *backend_;
  }

  Backend chosen_;
  MakeSpreadsheet file_, libreOffice_;
  bool visible_ = false;
  std::unique_ptr<Spreadsheet> backend_;
};

// A workbook that LibreOffice's window keeps open: an export into it has its
// protocol beside the workbook file.
class ShownWorkbook : public ForwardingSpreadsheet {
 public:
  ShownWorkbook(FileSystem& files, std::unique_ptr<LibreOfficeSpreadsheet> document)
      : files_(files), document_(std::move(document)) {}

  void open(const std::string& path) override {
    document_->open(path);
    protocolPath_ = protocolPathBeside(files_, path, backupStamp(std::time(nullptr)));
  }
  void setVisible(bool visible) override { document_->setVisible(visible); }
  std::string protocolPath() const override { return protocolPath_; }
  void close() override { document_->close(); }

 private:
  Spreadsheet& target() override { return *document_; }

  FileSystem& files_;
  std::unique_ptr<LibreOfficeSpreadsheet> document_;
  std::string protocolPath_;
};

}  // namespace

Backend chosenBackend(const IniFile& settings) {
  return settings.readString(kBackendSection, kBackendKey, "file") == "libreoffice" ? Backend::LibreOffice
                                                                                   : Backend::File;
}

Backend backendFor(const std::string& workbookPath, Backend chosen) {
  std::string extension = std::filesystem::path(workbookPath).extension().string();
  std::ranges::transform(extension, extension.begin(), [](unsigned char c) { return std::tolower(c); });
  return extension == ".xls" || extension == ".ods" ? Backend::LibreOffice : chosen;
}

std::unique_ptr<Spreadsheet> makeChoosingSpreadsheet(Backend chosen, MakeSpreadsheet file,
                                                     MakeSpreadsheet libreOffice) {
  return std::make_unique<ChoosingSpreadsheet>(chosen, std::move(file), std::move(libreOffice));
}

std::unique_ptr<Spreadsheet> makeBatchSpreadsheet(FileSystem& files, const Regional& regional, Backend chosen,
                                                  const std::optional<std::string>& outputPath) {
  return makeChoosingSpreadsheet(
      chosen, [&files, regional, outputPath] { return makeFileSpreadsheet(files, regional, {}, outputPath); },
      [&files, regional, outputPath] { return makeLibreOfficeFileSpreadsheet(files, regional, outputPath); });
}

struct LibreOfficeWindowSession::Impl {
  FileSystem& files;
  Regional regional;
  std::function<void(const std::string&)> showFile;
  std::shared_ptr<LibreOffice> office;
};

LibreOfficeWindowSession::LibreOfficeWindowSession(FileSystem& files, const Regional& regional,
                                                   std::function<void(const std::string&)> showFile)
    : impl_(std::make_unique<Impl>(Impl{files, regional, std::move(showFile), {}})) {}

LibreOfficeWindowSession::~LibreOfficeWindowSession() = default;

std::unique_ptr<Spreadsheet> LibreOfficeWindowSession::spreadsheet() {
  if (!libreOfficeHasWindows())
    return makeLibreOfficeFileSpreadsheet(impl_->files, impl_->regional, std::nullopt, nullptr, impl_->showFile);
  if (!impl_->office || !impl_->office->answers()) impl_->office = startLibreOffice(LibreOfficeKind::Window);
  // LibreOffice locks the workbook it shows by itself; ours only tells
  // whether another program or export holds it first.
  const BeforeLoad checkFree = [&files = impl_->files](const std::string& path) { checkWorkbookFree(files, path); };
  return std::make_unique<ShownWorkbook>(impl_->files,
                                         impl_->office->spreadsheet(impl_->regional, DocumentEnd::LeaveOpen, checkFree));
}

MakeSpreadsheet makeWindowSpreadsheets(Backend chosen, FileSystem& files, const Regional& regional, Dialogs& dialogs,
                                       LibreOfficeWindowSession& libreOffice) {
  return [chosen, &files, regional, &dialogs, &libreOffice] {
    return makeChoosingSpreadsheet(
        chosen,
        [&files, regional, &dialogs] {
          return makeFileSpreadsheet(files, regional, [&dialogs](const std::string& path) {
            openInShell(dialogs, path, ShellFile::Workbook);
          });
        },
        [&libreOffice] { return libreOffice.spreadsheet(); });
  };
}

std::unique_ptr<Spreadsheet> makeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                 std::function<void(const std::string&)> showFile,
                                                 const std::optional<std::string>& outputPath) {
  auto spreadsheet = std::make_unique<FileSpreadsheet>(files, regional, std::move(showFile));
  if (outputPath) spreadsheet->setOutputPath(*outputPath);
  return spreadsheet;
}

std::string backupNotice(const Spreadsheet& spreadsheet) { return backupNoticeFor(spreadsheet.backupPath()); }

std::string backupNoticeFor(const std::string& backupName) {
  if (backupName.empty()) return {};
  return "Předchozí verze sešitu zůstane uložena jako " + backupName + " (ponechává se " +
         std::to_string(kKeptBackups) + " nejnovějších záloh).";
}

}  // namespace kalkora
