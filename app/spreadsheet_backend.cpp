#include "app/spreadsheet_backend.h"

#include "export/marking_column.h"
#include "xlsx/workbook_file_checks.h"
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
  void writeZeroText(int sheet, int row, int column) override { xlsx_.writeZeroText(sheet, row, column); }
  std::string backupPath() const override { return xlsx_.backupPath(); }
  void close() override { xlsx_.close(); }

 private:
  XlsxSpreadsheet xlsx_;
};

}  // namespace

std::unique_ptr<Spreadsheet> makeFileSpreadsheet(FileSystem& files, const Regional& regional,
                                                 std::function<void(const std::string&)> showFile,
                                                 const std::optional<std::string>& outputPath) {
  auto spreadsheet = std::make_unique<FileSpreadsheet>(files, regional, std::move(showFile));
  if (outputPath) spreadsheet->setOutputPath(*outputPath);
  return spreadsheet;
}

std::string backupNotice(const Spreadsheet& spreadsheet) {
  const std::string path = spreadsheet.backupPath();
  if (path.empty()) return {};
  return "Předchozí verze sešitu zůstane uložena jako " + path + " (ponechává se " + std::to_string(kKeptBackups) +
         " nejnovějších záloh).";
}

}  // namespace kalkora
