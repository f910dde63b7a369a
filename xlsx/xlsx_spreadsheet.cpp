#include "xlsx/xlsx_spreadsheet.h"

#include "xlsx/cell_reference.h"
#include "xlsx/workbook_format.h"
#include "xlsx/xlsx_workbook.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"
#include "platform/workbook_file.h"

namespace kalkora {

struct XlsxSpreadsheet::Impl {
  std::unique_ptr<FileSystem> ownFiles;
  FileSystem* files = nullptr;
  Regional regional;
  std::function<void(const std::string&)> showFile;
  std::string outputPath;
  KeptCachedColumn keptCachedColumn;
  bool visible = false;

  std::string path;
  // The open session, if any.
  std::unique_ptr<WorkbookFile> file;
  std::unique_ptr<XlsxWorkbook> workbook;
  bool dropped = false;

  XlsxWorkbook& opened() const {
    if (!workbook) throw Error("Není otevřený žádný sešit.");
    return *workbook;
  }
  void save();
};

namespace {

void checkCell(int row, int column) {
  if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
    throw Error("Buňka na řádku " + std::to_string(row) + " a ve sloupci " + std::to_string(column) +
                " leží mimo list.");
}

}  // namespace

// A workbook written in place is only replaced when something was written;
// an output path always gets the result, a copy when nothing was written.
void XlsxSpreadsheet::Impl::save() {
  if (dropped || (file->inPlace() && !workbook->written()))
    file->release();
  else
    file->write(workbook->written() ? workbook->save() : file->original());
}

XlsxSpreadsheet::XlsxSpreadsheet(std::function<void(const std::string&)> showFile) : impl_(std::make_unique<Impl>()) {
  impl_->ownFiles = std::make_unique<DiskFileSystem>();
  impl_->files = impl_->ownFiles.get();
  impl_->showFile = std::move(showFile);
}

XlsxSpreadsheet::XlsxSpreadsheet(FileSystem& files, const Regional& regional,
                                 std::function<void(const std::string&)> showFile)
    : impl_(std::make_unique<Impl>()) {
  impl_->files = &files;
  impl_->regional = regional;
  impl_->showFile = std::move(showFile);
}

XlsxSpreadsheet::~XlsxSpreadsheet() = default;

void XlsxSpreadsheet::setOutputPath(std::string path) { impl_->outputPath = std::move(path); }

void XlsxSpreadsheet::keepCachedValues(KeptCachedColumn keptCachedColumn) {
  impl_->keptCachedColumn = std::move(keptCachedColumn);
}

void XlsxSpreadsheet::open(const std::string& path) {
  checkWorkbookFormat(path);
  impl_->workbook.reset();
  impl_->file.reset();
  auto file = std::make_unique<WorkbookFile>(
      *impl_->files, path, impl_->outputPath.empty() ? std::nullopt : std::optional(impl_->outputPath));
  impl_->workbook = std::make_unique<XlsxWorkbook>(file->original(), path, impl_->keptCachedColumn);
  impl_->file = std::move(file);
  impl_->path = path;
  impl_->dropped = false;
}

std::string XlsxSpreadsheet::backupPath() const {
  return impl_->workbook && impl_->workbook->written() && !impl_->dropped ? impl_->file->backupPath() : "";
}

std::string XlsxSpreadsheet::protocolPath() const { return impl_->file ? impl_->file->protocolPath() : ""; }

void XlsxSpreadsheet::dropChanges() { impl_->dropped = true; }

void XlsxSpreadsheet::setVisible(bool visible) { impl_->visible = visible; }

std::string XlsxSpreadsheet::sheetName(int sheet) { return impl_->opened().sheetName(sheet); }

std::string XlsxSpreadsheet::readCell(int sheet, int row, int column) {
  XlsxWorkbook& workbook = impl_->opened();
  workbook.sheetName(sheet);
  checkCell(row, column);
  const StoredValue value = workbook.cell(sheet, row, column);
  switch (value.kind) {
    case StoredValue::Kind::Empty: return "";
    case StoredValue::Kind::SharedString: return workbook.sharedString(value.text);
    case StoredValue::Kind::Text: return value.text;
    case StoredValue::Kind::Number: {
      const auto number = parseNumber(value.text, U'.');
      return number ? formatShortest(*number, impl_->regional.decimalSeparator) : value.text;
    }
  }
  return "";
}

void XlsxSpreadsheet::writeNumber(int sheet, int row, int column, double value) {
  XlsxWorkbook& workbook = impl_->opened();
  workbook.sheetName(sheet);
  checkCell(row, column);
  workbook.writeNumber(sheet, row, column, value);
}

// Ends the session whether or not the save succeeds.
void XlsxSpreadsheet::close() {
  if (!impl_->workbook) return;
  const std::string target = impl_->outputPath.empty() ? impl_->path : impl_->outputPath;
  try {
    impl_->save();
  } catch (...) {
    impl_->workbook.reset();
    impl_->file.reset();
    throw;
  }
  impl_->workbook.reset();
  impl_->file.reset();
  if (impl_->visible && impl_->showFile && !impl_->dropped) impl_->showFile(target);
}

}  // namespace kalkora
