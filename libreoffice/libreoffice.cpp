#include "libreoffice/libreoffice.h"

#include "libreoffice/libreoffice_process.h"
#include "libreoffice/libreoffice_spreadsheet.h"

namespace kalkora {
namespace {

class RunningLibreOffice : public LibreOffice, public std::enable_shared_from_this<RunningLibreOffice> {
 public:
  explicit RunningLibreOffice(LibreOfficeKind kind) : process_(kind) {}

  std::unique_ptr<LibreOfficeSpreadsheet> spreadsheet(const Regional& regional, DocumentEnd end,
                                                      BeforeLoad beforeLoad) override {
    // The spreadsheet shares in this object, so LibreOffice runs as long as it does.
    return makeUnoSpreadsheet(std::shared_ptr<const LibreOfficeProcess>(shared_from_this(), &process_), regional,
                              end, std::move(beforeLoad));
  }
  bool answers() const override { return process_.answers(); }
  const LibreOfficeProcess& process() const { return process_; }

 private:
  LibreOfficeProcess process_;
};

}  // namespace

std::shared_ptr<LibreOffice> startLibreOffice(LibreOfficeKind kind) {
  return std::make_shared<RunningLibreOffice>(kind);
}

std::shared_ptr<const LibreOfficeProcess> processOf(const std::shared_ptr<LibreOffice>& office) {
  const auto running = std::static_pointer_cast<RunningLibreOffice>(office);
  return std::shared_ptr<const LibreOfficeProcess>(running, &running->process());
}

}  // namespace kalkora
