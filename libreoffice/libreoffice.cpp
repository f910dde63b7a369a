#include "libreoffice/libreoffice.h"

#include "libreoffice/libreoffice_process.h"
#include "libreoffice/libreoffice_spreadsheet.h"

namespace kalkora {
namespace {

class RunningLibreOffice : public LibreOffice, public std::enable_shared_from_this<RunningLibreOffice> {
 public:
  explicit RunningLibreOffice(LibreOfficeKind kind) : process_(kind) {}

  std::unique_ptr<LibreOfficeSpreadsheet> spreadsheet(const Regional& regional, DocumentEnd end) override {
    // The spreadsheet shares in this object, so LibreOffice runs as long as it does.
    return makeUnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess>(shared_from_this(), &process_), regional,
                              end);
  }
  bool answers() const override { return process_.answers(); }

 private:
  LibreOfficeProcess process_;
};

}  // namespace

std::shared_ptr<LibreOffice> startLibreOffice(LibreOfficeKind kind) {
  return std::make_shared<RunningLibreOffice>(kind);
}

}  // namespace kalkora
