#pragma once
#include <string>

namespace kalkora {

// The spreadsheet operations the exports use, and nothing more. Rows, columns
// and sheet positions count from 1. Every failure raises Error with a Czech
// message. Backends (app/spreadsheet_backend.h): the workbook file itself,
// edited through XlsxSpreadsheet, and LibreOffice Calc (libreoffice/), each
// chosen by the workbook's format; for tests the RecordingSpreadsheet of
// testing/, in memory.
class Spreadsheet {
 public:
  enum class Calculation { Manual, Automatic };

  virtual ~Spreadsheet() = default;

  // Opens the workbook at path; it becomes the first (only) workbook.
  virtual void open(const std::string& path) = 0;
  virtual void setVisible(bool visible) = 0;
  virtual void setCalculation(Calculation mode) = 0;

  // The name of the sheet at that position; raises Error when there is none.
  virtual std::string sheetName(int sheet) = 0;
  // A cell's value as text: a number's shortest text, a string, a formula's
  // cached value, "" for an empty cell.
  virtual std::string readCell(int sheet, int row, int column) = 0;
  virtual void writeNumber(int sheet, int row, int column, double value) = 0;
  // Writing the text "0", as the clearing step does. A spreadsheet program
  // takes the typed text as the number 0, so that is what every backend
  // stores.
  virtual void writeZeroText(int sheet, int row, int column) { writeNumber(sheet, row, column, 0); }

  // Where the previous version of the workbook is kept once the session
  // writes it back; "" when none is kept (nothing written, or the result
  // goes elsewhere).
  virtual std::string backupPath() const { return {}; }
  // Where the protocol of an export in this session goes: beside the
  // workbook that is written, named like its backup
  // ("name.2026-12-08_1415.protokol.csv"); "" when none is kept.
  virtual std::string protocolPath() const { return {}; }

  // Whether dropChanges() can leave the workbook as it was: a session that
  // writes the workbook back at its end can, one that leaves it open in the
  // spreadsheet program cannot.
  virtual bool canDropChanges() const { return false; }
  // close() then writes nothing back: what this session wrote is undone.
  virtual void dropChanges() {}

  // Ends the session and keeps what was written: the file backend writes the
  // workbook file back, replacing it atomically; LibreOffice stores the
  // document, or in the window program leaves it open for the user. A
  // visible workbook is then shown.
  virtual void close() = 0;
};

}  // namespace kalkora
