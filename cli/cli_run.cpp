#include "cli/cli_run.h"

#include <exception>

#include "app/control_csv.h"
#include "app/import_modes.h"
#include "app/mode_buttons.h"
#include "app/protocolled_export.h"
#include "app/run_operation.h"
#include "app/settings.h"
#include "app/settings_location.h"
#include "app/settings_keys.h"
#include "app/spreadsheet_backend.h"
#include "model/workspace.h"
#include "cli/json_dump.h"
#include "export/export_progress.h"
#include "export/export_protocol.h"
#include "export/workbook_session.h"
#include "platform/cp1250.h"
#include "platform/error.h"
#include "platform/messages.h"
#include "platform/system_regional.h"
#include "platform/workbook_file.h"
#include "turnovers/account_check.h"

namespace kalkora {
namespace {

// Every message the window would show becomes one line on standard error.
class StreamMessages : public OutcomeMessages {
 public:
  explicit StreamMessages(std::ostream& err) : err_(err) {}
  void notice(const std::string& text) override { err_ << text << '\n'; }
  void warning(const std::string& text) override { err_ << text << '\n'; }
  void error(const std::string& text) override { err_ << text << '\n'; }

 private:
  std::ostream& err_;
};

char32_t separatorOption(const std::string& text) {
  const std::u32string decoded = decodeUtf8(text);
  if (decoded.size() > 1) throw Error("Oddělovač musí být jeden znak: " + text);
  return decoded.empty() ? 0 : decoded[0];
}

void applyOptions(const CliOptions& o, Workspace& ws, Regional& regional) {
  Parameters& p = ws.params;
  if (o.mode) {
    const std::optional<ImportMode> mode = importModeNumbered(*o.mode);
    if (!mode) throw Error("Neznámý typ importu: " + std::to_string(*o.mode) + ".");
    ws.mode = *mode;
  }
  if (o.source) p.Edit3 = *o.source;
  if (o.balanceDef) p.Edit24 = p.balanceDefinitionPath = *o.balanceDef;
  if (o.incomeDef) p.Edit25 = p.incomeDefinitionPath = *o.incomeDef;
  if (o.workbook) p.Edit4 = p.workbookPath = *o.workbook;
  if (o.period) p.Edit1 = *o.period;
  for (const auto& [key, value] : o.sets) {
    const SettingKey* k = findSettingKey(key);
    if (!k) throw Error("Neznámý klíč nastavení: " + key);
    if (!applySetting(p, *k, value)) throw Error("Klíč " + key + " čeká celé číslo: " + value);
  }
  if (o.statementType) p.RadioGroup1 = *o.statementType;
  if (o.form) {
    if (*o.form != "DPPDP8" && *o.form != "DPPDP9") throw Error("Neznámý formulář: " + *o.form);
    p.RadioGroup3 = *o.form == "DPPDP9" ? 1 : 0;
  }
  if (o.sumLines) p.CheckBox13 = true;
  if (o.clearPeriod) p.CheckBox15 = p.CheckBox16 = true;
  if (o.decimal) {
    const char32_t c = separatorOption(*o.decimal);
    if (c == 0) throw Error("Desetinný oddělovač nesmí být prázdný.");
    regional.decimalSeparator = c;
  }
  if (o.thousands) regional.thousandsSeparator = separatorOption(*o.thousands);
}

// The window program's settings, or the file named by --settings, which
// then has to exist: a mistyped name must not run on the defaults.
void loadSettings(const CliOptions& o, Workspace& ws, const FileSystem& fs) {
  if (o.settings && !fs.fileExists(*o.settings)) throw Error("Soubor nastavení nebyl nalezen: " + *o.settings);
  const SettingsLocation location = o.settings ? SettingsLocation{*o.settings, {}} : defaultSettingsLocation();
  FormPlacement placement;
  SettingsFile(location.path, location.fallbackPath).load(fs, ws, placement);
}

void writeDump(const CliOptions& o, const Workspace& ws, FileSystem& fs, std::ostream& out) {
  const std::string json = dumpJson(ws);
  if (*o.dump == "-")
    out << json;
  else
    fs.writeFile(*o.dump, json);
}

// The export through the same session as the window's export button. A
// failure of the export itself still lets the session write back what was
// written, as the window leaves it in the workbook; the run then fails with
// it. False when the session refused to start (its message is printed).
// The protocol is written once the session has written the workbook back,
// also when the export failed on the way (its cells are in the workbook).
bool exportWorkbook(const CliOptions& o, const Workspace& ws, Services& services,
                    const CliSpreadsheetFactory& makeSpreadsheet, std::ostream& out) {
  ProtocolledExport protocolled(ws, services.fs, services.regional);
  const auto beforeOpen = [&] {
    if (o.strict && ws.unassigned && !ws.unassigned->rows.empty())
      throw Error("Export se nespustil: " + unassignedAccountsText(*ws.unassigned) +
                  ". S přepínačem --strict se exportuje, jen když všechny účty s nenulovým zůstatkem patří do "
                  "některého řádku definic.");
    for (const std::string& warning : protocolled.warnings()) services.messages.warning(warning);
  };
  std::exception_ptr exportFailure;
  std::string notice;
  ExportProgress progress;
  // Runs one exporter as its window would: a failure is kept for the end,
  // and so is what a finished export tells about the backup.
  const auto reporting = [&](auto exporter) {
    return protocolled.wrap([&exportFailure, &notice, exporter](ExportProtocol& protocol) {
      try {
        exporter(protocol);
        notice = backupNotice(protocol);
      } catch (...) {
        exportFailure = std::current_exception();
      }
    });
  };
  RunExport exporter;
  if (const ImportModeRow* row = importModeRow(ws.mode))
    exporter = reporting(
        [&, row](ExportProtocol& protocol) { row->exporter(ws, services, protocol, progress, protocol); });
  WorkbookSession session([&] { return makeSpreadsheet(services.fs, services.regional, o.output); });
  const ExportOutcome outcome = session.exportButton(ws, services.messages, exporter, beforeOpen);
  const std::string protocolPath = protocolled.write(services.fs, o.report, &out);
  if (!exportFailure && outcome == ExportOutcome::Done && !notice.empty()) services.messages.notice(notice);
  if (!protocolPath.empty() && protocolPath != "-") services.messages.notice(protocolNotice(protocolPath));
  if (exportFailure) std::rethrow_exception(exportFailure);
  return outcome == ExportOutcome::Done;
}

void restoreBackup(const std::string& workbook, FileSystem& fs, Messages& messages) {
  const RestoredBackup done = restoreNewestBackup(fs, workbook);
  messages.notice("Sešit " + workbook + " je vrácen do stavu zálohy " + done.restored +
                  "; jeho dosavadní obsah zůstal jako záloha " + done.keptAs + ".");
}

}  // namespace

int runCli(const CliOptions& options, FileSystem& fs, std::ostream& out, std::ostream& err,
           const CliSpreadsheetFactory& makeSpreadsheet) {
  StreamMessages messages(err);
  Services services{fs, messages, systemRegional()};
  Workspace ws;
  bool exported = true;
  // A stop or a failure is printed and the run exits 1, as is a refused export.
  const Outcome outcome = runOperation(messages, [&] {
    if (options.restoreBackup) return restoreBackup(*options.restoreBackup, fs, messages);
    loadSettings(options, ws, fs);
    applyOptions(options, ws, services.regional);
    loadByMode(ws, services);
    if (ws.unassigned && !ws.unassigned->rows.empty()) messages.notice(unassignedAccountsText(*ws.unassigned));
    if (options.controlCsv) {
      writeControlCsv(fs, *options.controlCsv, ws.table);
      messages.notice(kControlCsvDone);
    }
    if (options.dump) writeDump(options, ws, fs, out);
    if (options.period) exported = exportWorkbook(options, ws, services, makeSpreadsheet, out);
  });
  return outcome == Outcome::Done && exported ? 0 : 1;
}

}  // namespace kalkora
