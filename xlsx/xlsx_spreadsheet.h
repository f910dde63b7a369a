#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/regional.h"
#include "xlsx/xlsx_workbook.h"

namespace kalkora {

class FileSystem;

// The workbook file itself as the spreadsheet: opens an .xlsx/.xlsm package,
// changes only the worksheet parts it writes, and at close writes the file
// back under the rules of WorkbookFile (platform/workbook_file.h): locked from
// open to close, replaced atomically, the previous one kept as a backup
// beside it ("name.2026-12-08_1415.bak.xlsx", the newest ten of them).
// A session that wrote nothing leaves the file as it is. Refused with a
// Czech Error before anything is written: .xls and other formats, a workbook
// that Excel, LibreOffice or another export holds, a damaged package, a
// part that would unpack too far, and at close a workbook that another
// program saved since it was opened.
//
// What a written workbook looks like: a written cell keeps its style and
// holds the number; a formula it held leaves the calculation chain; the
// workbook asks to be recalculated on opening and formula cells lose their
// cached results, except in the column that keepCachedValues names for a
// sheet, which the caller reads again later.
//
// Rows, columns and sheet positions count from 1; every failure raises Error
// with a Czech message.
class XlsxSpreadsheet {
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
  ~XlsxSpreadsheet();

  // Writes the result to this path at close (a copy when nothing was
  // written) and leaves the opened workbook untouched (no backup then).
  void setOutputPath(std::string path);
  // Which column of which worksheet keeps its formulas' cached values when
  // the workbook is written; takes effect at the next open.
  void keepCachedValues(KeptCachedColumn keptCachedColumn);

  // Opens the workbook at path; it becomes the only workbook.
  void open(const std::string& path);
  // A visible workbook is shown to the user once it is written back.
  void setVisible(bool visible);
  // The name of the sheet at that position; raises Error when there is none.
  std::string sheetName(int sheet);
  // A cell's value as text: a number's shortest text, a string, a formula's
  // cached value, "" for an empty cell.
  std::string readCell(int sheet, int row, int column);
  void writeNumber(int sheet, int row, int column, double value);
  // Where the previous file will be kept when the open session writes the
  // workbook back in place; "" while nothing is written or with an output
  // path.
  std::string backupPath() const;
  // Where the protocol of an export into the open workbook goes; "" while
  // none is open.
  std::string protocolPath() const;
  // close() then writes nothing: the workbook (or the output path) stays as
  // it was.
  void dropChanges();
  // Ends the session: writes the workbook back (replacing the file
  // atomically) and, when visible, shows it to the user.
  void close();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace kalkora
