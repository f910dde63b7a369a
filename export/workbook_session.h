#pragma once
#include <functional>
#include <memory>
#include <string>

#include "model/workspace.h"
#include "export/spreadsheet.h"

namespace kalkora {

class Messages;

// Creates the spreadsheet a session works with: the window and kalkora-cli
// make one that picks its backend by the workbook's format when it opens it
// (app/spreadsheet_backend.h), tests a RecordingSpreadsheet. An empty
// pointer means no spreadsheet is available.
using SpreadsheetFactory = std::function<std::unique_ptr<Spreadsheet>()>;

// Runs the export of the import mode in an open session and returns when it
// is over: the window shows the mode's progress window modally, kalkora-cli
// runs the export directly. Failures of the export itself are reported by
// the runner and do not come back: they are no reason to start the
// spreadsheet again. Empty without an import mode.
using RunExport = std::function<void(Spreadsheet&)>;

// How the export button ended.
enum class ExportOutcome {
  Done,           // the export ran (or there was none to run)
  NoWorkbook,     // the target workbook path is empty
  NoPeriod,       // no period from 1 to 20; the period box should get the focus
  NoApplication,  // the factory gave no spreadsheet
};

// The export button's work around the export: its checks, opening the
// workbook with recalculation off, running the export the import mode
// chose, switching recalculation back on, one retry when the spreadsheet
// stops answering, and writing the workbook back at the end.
class WorkbookSession {
 public:
  explicit WorkbookSession(SpreadsheetFactory factory);

  // Without an export the workbook is opened and written back unchanged,
  // and recalculation stays off while it is open. beforeOpen runs once the
  // checks have passed, before the workbook is opened: the warnings before
  // an export go there, and an Error it raises ends the export before
  // anything is opened.
  ExportOutcome exportButton(const Workspace& ws, Messages& messages, const RunExport& exporter,
                             const std::function<void()>& beforeOpen = {});

  // True while a workbook is open in a session.
  bool opened() const { return opened_; }

 private:
  bool openSession(const std::string& path, Messages* messagesForEmpty);
  void runExporter(const RunExport& exporter);
  void endSession();

  SpreadsheetFactory factory_;
  std::unique_ptr<Spreadsheet> application_;
  bool opened_ = false;
};

inline constexpr const char* kNoWorkbookMessage =
    "Není zadané připojení k Kalkora. Připojte soubor Kalkora do příslušného okénka.";
inline constexpr const char* kNoPeriodMessage = "Není zadané žádné účetní období. Doplňte číslo sloupce ve Kalkora.";
inline constexpr const char* kNoApplicationMessage = "Propojení na aplikaci MS Excel není dostupné...";

}  // namespace kalkora
