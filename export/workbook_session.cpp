#include "export/workbook_session.h"

#include "platform/error.h"
#include "platform/messages.h"
#include "platform/number.h"

namespace kalkora {
namespace {

// Every period below 1 ("0", "00", "-3") would write into the marking column
// or before it. A text that is no integer at all is left to the exporter,
// which reports the conversion error before writing anything.
bool periodRefused(const std::string& text) {
  const auto period = parseInteger(text);
  return period && *period < 1;
}

}  // namespace

WorkbookSession::WorkbookSession(SpreadsheetFactory factory) : factory_(std::move(factory)) {}

ExportOutcome WorkbookSession::exportButton(const Workspace& ws, Messages& messages, const RunExport& exporter) {
  const Parameters& p = ws.params;
  if (p.workbookPath.empty()) {
    messages.notice(kNoWorkbookMessage);
    return ExportOutcome::NoWorkbook;
  }
  if (periodRefused(p.Edit1)) {
    messages.notice(kNoPeriodMessage);
    return ExportOutcome::NoPeriod;
  }
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
