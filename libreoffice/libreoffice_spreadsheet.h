#pragma once
// Only for the .cpp files of this folder: it needs the UNO headers.
#include <memory>

#include "libreoffice/libreoffice.h"
#include "libreoffice/libreoffice_process.h"

namespace kalkora {

// A spreadsheet on a workbook that the LibreOffice of office opens; the
// spreadsheet keeps that LibreOffice running while it lives.
std::unique_ptr<LibreOfficeSpreadsheet> makeUnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess> office,
                                                           const Regional& regional, DocumentEnd end,
                                                           BeforeLoad beforeLoad);

}  // namespace kalkora
