#include "xlsx/xlsx_spreadsheet.h"

#include <ctime>

#include "xlsx/cell_reference.h"
#include "xlsx/workbook_file_checks.h"
#include "xlsx/xlsx_workbook.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/number.h"

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
  std::string backupPath;  // chosen at open; empty when the result goes to the output path
  std::unique_ptr<XlsxWorkbook> workbook;  // the open session, if any

  XlsxWorkbook& opened() const {
    if (!workbook) throw Error("Není otevřený žádný sešit.");
    return *workbook;
  }
  void save(const std::string& target);
};

namespace {

void checkCell(int row, int column) {
  if (row < 1 || row > kMaxRow || column < 1 || column > kMaxColumn)
    throw Error("Buňka na řádku " + std::to_string(row) + " a ve sloupci " + std::to_string(column) +
                " leží mimo list.");
}

}  // namespace

// A workbook written in place is only replaced when something was written;
// the file as it was stays beside it as the backup.
void XlsxSpreadsheet::Impl::save(const std::string& target) {
  if (target == path && !workbook->written()) return;
  checkNotHeldOpen(*files, target);
  if (target != path) {
    files->writeFile(target, workbook->written() ? workbook->save() : workbook->original());
    return;
  }
  // Another program may have saved the workbook since we read it; writing
  // ours over it would lose that work.
  if (files->readFile(path) != workbook->original())
    throw Error("Sešit " + path + " se mezitím změnil (uložil ho jiný program). Export nebyl uložen; spusťte ho "
                "znovu.");
  const std::string bytes = workbook->save();
  files->writeFile(backupPath, workbook->original());
  files->writeFile(path, bytes);
  removeOldBackups(*files, path);
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
  checkNotHeldOpen(*impl_->files, path);
  auto workbook = std::make_unique<XlsxWorkbook>(impl_->files->readFile(path), path, impl_->keptCachedColumn);
  impl_->path = path;
  // The backup is named when the session starts, so the export can tell
  // the user its name before the workbook is written back.
  impl_->backupPath = impl_->outputPath.empty() ? backupPathOf(*impl_->files, path, backupStamp(std::time(nullptr))) : "";
  impl_->workbook = std::move(workbook);
}

std::string XlsxSpreadsheet::backupPath() const {
  return impl_->workbook && impl_->workbook->written() ? impl_->backupPath : "";
}

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

void XlsxSpreadsheet::writeZeroText(int sheet, int row, int column) { writeNumber(sheet, row, column, 0); }

// Ends the session whether or not the save succeeds.
void XlsxSpreadsheet::close() {
  if (!impl_->workbook) return;
  const std::string target = impl_->outputPath.empty() ? impl_->path : impl_->outputPath;
  try {
    impl_->save(target);
  } catch (...) {
    impl_->workbook.reset();
    throw;
  }
  impl_->workbook.reset();
  if (impl_->visible && impl_->showFile) impl_->showFile(target);
}

}  // namespace kalkora
