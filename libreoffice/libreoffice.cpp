#include "libreoffice/libreoffice.h"

#include "libreoffice/libreoffice_process.h"
#include "libreoffice/libreoffice_spreadsheet.h"

namespace kalkora {
namespace {

class RunningLibreOffice : public LibreOffice, public std::enable_shared_from_this<RunningLibreOffice> {
 public:
  std::unique_ptr<LibreOfficeSpreadsheet> spreadsheet(const Regional& regional) override {
    // The spreadsheet shares in this object, so LibreOffice runs as long as it does.
    return makeUnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess>(shared_from_this(), &process_), regional);
  }

 private:
  LibreOfficeProcess process_;
};

}  // namespace

std::shared_ptr<LibreOffice> startLibreOffice() { return std::make_shared<RunningLibreOffice>(); }

}  // namespace kalkora
