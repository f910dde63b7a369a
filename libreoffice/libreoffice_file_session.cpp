#include "libreoffice/libreoffice_file_session.h"

#include "export/forwarding_spreadsheet.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/workbook_file.h"

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

  // The workbook file is held before LibreOffice starts, so a refused
  // workbook costs no start.
  void open(const std::string& path) override {
    document_.reset();
    file_.reset();
    dropped_ = false;
    file_ = std::make_unique<WorkbookFile>(files_, path, outputPath_);
    if (!office_) office_ = startLibreOffice();
    document_ = office_->spreadsheet(regional_);
    document_->setVisible(visible_);
    document_->open(path);
    path_ = path;
  }
  // Headless: nothing to show; only passed on.
  void setVisible(bool visible) override {
    visible_ = visible;
    if (document_) document_->setVisible(visible);
  }
  std::string backupPath() const override {
    return document_ && document_->written() && !dropped_ ? file_->backupPath() : "";
  }
  std::string protocolPath() const override { return file_ ? file_->protocolPath() : ""; }
  bool canDropChanges() const override { return true; }
  void dropChanges() override { dropped_ = true; }

  // An output path always gets the document; in place it is stored only
  // when something was written.
  void close() override {
    if (dropped_)
      file_->release();
    else if (!file_->inPlace() || document().written())
      file_->write(storedBytes());
    else
      file_->release();
    document_->close();
    document_.reset();
    file_.reset();
    office_.reset();
    if (visible_ && showFile_ && !dropped_) showFile_(outputPath_.value_or(path_));
  }

 private:
  Spreadsheet& target() override { return document(); }

  LibreOfficeSpreadsheet& document() {
    if (!document_) throw Error("Není otevřený žádný sešit.");
    return *document_;
  }

  // The document as LibreOffice stores it for the target, by way of the
  // workbook file's scratch file.
  std::string storedBytes() {
    const std::string scratch = file_->scratchPath();
    const auto removeScratch = [&] {
      if (files_.fileExists(scratch)) files_.removeFile(scratch);
    };
    try {
      document().storeTo(scratch);
      std::string bytes = files_.readFile(scratch);
      removeScratch();
      return bytes;
    } catch (...) {
      try {
        removeScratch();
      } catch (const Error&) {
      }
      throw;
    }
  }

  FileSystem& files_;
  Regional regional_;
  std::optional<std::string> outputPath_;
  std::function<void(const std::string&)> showFile_;
  bool visible_ = false;
  bool dropped_ = false;
  std::string path_;
  std::unique_ptr<WorkbookFile> file_;
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
