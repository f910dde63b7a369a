#include "export/workbook_session.h"

#include "export/workbook_layout.h"

#include "platform/error.h"
#include "platform/messages.h"
#include "platform/number.h"

namespace kalkora {
namespace {

// Why the period box's text names no period of the workbook, or nullptr
// when it may name one. Every period below 1 ("0", "00", "-3") would write
// into the marking column or before it, one beyond the last past the
// workbook's periods. A text that is no integer at all (an empty box) is the
// exporter's to refuse, before it writes anything.
const char* periodRefusal(const std::string& text) {
  const auto period = parseInteger(text);
  if (period && *period < 1) return kNoPeriodMessage;
  if (period && *period > kLastPeriod) return kPeriodRangeMessage;
  return nullptr;
}

}  // namespace

WorkbookSession::WorkbookSession(SpreadsheetFactory factory) : factory_(std::move(factory)) {}

ExportOutcome WorkbookSession::exportButton(const Workspace& ws, Messages& messages, const RunExport& exporter,
                                            const std::function<void()>& beforeOpen) {
  const Parameters& p = ws.params;
  if (p.workbookPath.empty()) {
    messages.notice(kNoWorkbookMessage);
    return ExportOutcome::NoWorkbook;
  }
  if (const char* refusal = periodRefusal(p.Edit1)) {
    messages.notice(refusal);
    return ExportOutcome::NoPeriod;
  }
  if (beforeOpen) beforeOpen();
  if (!opened_ && !openSession(p.workbookPath, &messages)) return ExportOutcome::NoApplication;
  try {
    runExporter(exporter);
  } catch (const std::exception&) {
    // The spreadsheet no longer answers (closed by the user, say): start it
    // again, open the workbook anew and run the same export once more.
    try {
      openSession(p.workbookPath, nullptr);
      runExporter(exporter);
    } catch (...) {
      // The window is active again after the failed retry, so the next press
      // starts afresh instead of reusing a spreadsheet that has failed twice.
      opened_ = false;
      application_.reset();
      throw;
    }
  }
  endSession();
  return ExportOutcome::Done;
}

bool WorkbookSession::openSession(const std::string& path, Messages* messagesForEmpty) {
  opened_ = false;
  application_ = factory_();
  if (!application_) {
    if (!messagesForEmpty) throw Error(kNoApplicationMessage);
    messagesForEmpty->warning(kNoApplicationMessage);
    return false;
  }
  application_->setVisible(true);
  application_->open(path);
  application_->setCalculation(Spreadsheet::Calculation::Manual);
  opened_ = true;
  return true;
}

void WorkbookSession::runExporter(const RunExport& exporter) {
  if (!exporter) return;  // no import mode: nothing to export, recalculation stays off
  exporter(*application_);
  application_->setCalculation(Spreadsheet::Calculation::Automatic);
}

void WorkbookSession::endSession() {
  std::unique_ptr<Spreadsheet> application = std::move(application_);
  opened_ = false;
  application->close();
}

}  // namespace kalkora
