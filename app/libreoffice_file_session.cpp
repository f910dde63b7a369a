#include "app/libreoffice_file_session.h"

#include <ctime>
#include <filesystem>

#include "export/forwarding_spreadsheet.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "xlsx/workbook_file_checks.h"

namespace kalkora {
namespace {

class LibreOfficeFileSpreadsheet : public ForwardingSpreadsheet {
 public:
  LibreOfficeFileSpreadsheet(FileSystem& files, const Regional& regional, std::optional<std::string> outputPath,
                             std::shared_ptr<LibreOffice> office, std::function<void(const std::string&)> showFile)
      : files_(files),
        regional_(regional),
        outputPath_(std::move(outputPath)),
        showFile_(std::move(showFile)),
        office_(std::move(office)) {}

  void open(const std::string& path) override {
    checkNotHeldOpen(files_, path);
    original_ = files_.readFile(path);
    if (!office_) office_ = startLibreOffice();
    document_ = office_->spreadsheet(regional_);
    document_->setVisible(visible_);
    document_->open(path);
    path_ = path;
    if (!outputPath_) backupPath_ = backupPathOf(files_, path, backupStamp(std::time(nullptr)));
  }
  // Headless: nothing to show; only passed on.
  void setVisible(bool visible) override {
    visible_ = visible;
    if (document_) document_->setVisible(visible);
  }
  std::string backupPath() const override { return document_ && document_->written() ? backupPath_ : ""; }

  void close() override {
    if (outputPath_) {
      checkNotHeldOpen(files_, *outputPath_);
      files_.writeFile(*outputPath_, storedBytes(*outputPath_));
    } else if (document().written()) {
      writeInPlace();
    }
    document_->close();
    document_.reset();
    office_.reset();
    if (visible_ && showFile_) showFile_(outputPath_.value_or(path_));
  }

 private:
  // Another program may have saved the workbook since we read it; storing
  // ours over it would lose that work.
  void writeInPlace() {
    if (files_.readFile(path_) != original_)
      throw Error("Sešit " + path_ + " se mezitím změnil (uložil ho jiný program). Export nebyl uložen; "
                  "spusťte ho znovu.");
    const std::string stored = storedBytes(path_);
    files_.writeFile(backupPath_, original_);
    files_.writeFile(path_, stored);
    removeOldBackups(files_, path_);
  }

  Spreadsheet& target() override { return document(); }

  LibreOfficeSpreadsheet& document() {
    if (!document_) throw Error("Není otevřený žádný sešit.");
    return *document_;
  }

  // The document as LibreOffice stores it for the target: into a temporary
  // file beside it with the target's extension, which names the format.
  std::string storedBytes(const std::string& target) {
    const std::filesystem::path targetPath(target);
    const std::filesystem::path temporary = targetPath.parent_path() / (".~kalkora-" + targetPath.filename().string());
    std::error_code ignored;
    try {
      document().storeTo(temporary.string());
      std::string bytes = files_.readFile(temporary.string());
      std::filesystem::remove(temporary, ignored);
      return bytes;
    } catch (...) {
      std::filesystem::remove(temporary, ignored);
      throw;
    }
  }

  FileSystem& files_;
  Regional regional_;
  std::optional<std::string> outputPath_;
  std::function<void(const std::string&)> showFile_;
  bool visible_ = false;
  std::string path_, original_, backupPath_;
  std::shared_ptr<LibreOffice> office_;
  std::unique_ptr<LibreOfficeSpreadsheet> document_;
};

}  // namespace

std::unique_ptr<Spreadsheet> makeLibreOfficeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                             const std::optional<std::string>& outputPath,
                                                             std::shared_ptr<LibreOffice> office,
                                                             std::function<void(const std::string&)> showFile) {
  return std::make_unique<LibreOfficeFileSpreadsheet>(files, regional, outputPath, std::move(office),
                                                      std::move(showFile));
}

}  // namespace kalkora
