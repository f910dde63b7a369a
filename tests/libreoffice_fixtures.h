#pragma once
#include <memory>
#include <string>

#include "libreoffice/libreoffice.h"

namespace kalkora::e2e {

// Workbooks that LibreOffice itself makes for the tests, each a copy of the
// workbook at source stored to target in the format target's extension
// names (.ods, .xls, .xlsx). All of them run in the LibreOffice given.

// Protected by a password: it cannot be opened without it.
void storeWithPassword(const std::shared_ptr<LibreOffice>& office, const std::string& source,
                       const std::string& target, const std::string& password);

// A workbook of one sheet whose cell A1 holds value.
void storeNumberWorkbook(const std::shared_ptr<LibreOffice>& office, const std::string& target, double value);

// The cell (sheet, row, column) holds a formula that takes cell A1 of the
// first sheet of the workbook linked.
void storeWithLink(const std::shared_ptr<LibreOffice>& office, const std::string& source, const std::string& target,
                   int sheet, int row, int column, const std::string& linked);

// With a Basic macro "Standard.Kalkora.Spust" bound to the document's
// opening.
void storeWithMacro(const std::shared_ptr<LibreOffice>& office, const std::string& source, const std::string& target);

// The formula of a cell as LibreOffice shows it through its interface, ""
// when the cell holds none.
std::string formulaAt(const std::shared_ptr<LibreOffice>& office, const std::string& path, int sheet, int row,
                      int column);

}  // namespace kalkora::e2e
