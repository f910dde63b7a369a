#pragma once
#include <functional>
#include <memory>
#include <string>

#include "export/spreadsheet.h"
#include "platform/regional.h"

namespace kalkora {

class FileSystem;

// The workbook file itself as the spreadsheet: opens an .xlsx/.xlsm package,
// changes only the worksheet parts it writes, and at close replaces the file
// atomically (keeping the previous one as a backup beside it, "name.bak.xlsx").
// A session that wrote nothing leaves the file as it is. Refused with a
// Czech Error before anything is written: .xls and other formats, a workbook
// that Excel or LibreOffice holds open, a damaged package, a part that would
// unpack too far, and at close a workbook that another program saved since
// it was opened.
//
// What a written workbook looks like: a written cell keeps its style and
// holds the number; a formula it held leaves the calculation chain; the
// workbook asks to be recalculated on opening and formula cells lose their
// cached results, except in the marking column of the balance sheet and the
// income statement, which the next export reads.
class XlsxSpreadsheet : public Spreadsheet {
 public:
  // showFile is called with the saved path at close when the workbook was made
  // visible (the window opens it in the user's spreadsheet program); empty for
  // kalkora-cli, which never starts another program.
  // This one uses the disk and a decimal comma.
  explicit XlsxSpreadsheet(std::function<void(const std::string&)> showFile = {});
  // Reads and writes through files; numbers read from cells get the
  // regional decimal separator.
  XlsxSpreadsheet(FileSystem& files, const Regional& regional,
                  std::function<void(const std::string&)> showFile = {});
  ~XlsxSpreadsheet() override;

  // Writes the result to this path at close (a copy when nothing was
  // written) and leaves the opened workbook untouched (no backup then).
  void setOutputPath(std::string path);

  void open(const std::string& path) override;
  void setVisible(bool visible) override;
  void setCalculation(Calculation mode) override;
  std::string sheetName(int sheet) override;
  std::string readCell(int sheet, int row, int column) override;
  void writeNumber(int sheet, int row, int column, double value) override;
  void writeZeroText(int sheet, int row, int column) override;
  void close() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kalkora
