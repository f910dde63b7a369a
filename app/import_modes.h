#pragma once
#include <optional>
#include <span>

#include "model/import_mode.h"
#include "model/workspace.h"

namespace kalkora {

class CellOrigins;
class ExportProgress;
class Spreadsheet;
struct BalanceTotals;

// The window that shows a mode's export: the turnover export window (TForm2)
// with its two bars, or the statement export window (TForm4), which can also
// clear the period column first.
enum class ExportWindowKind { Turnovers, Statements };

// The load button's work: the source file into the import table.
using ModeReader = void (*)(Workspace& ws, Services& services);
// The export button's work once the workbook is open: the import table into
// it, telling origins what each cell it writes holds (for the protocol).
using ModeExporter = void (*)(const Workspace& ws, const Services& services, Spreadsheet& spreadsheet,
                              ExportProgress& progress, CellOrigins& origins);
// Total assets and total liabilities of what the export is about to write,
// where the source has both; none where a total cannot be told.
using ModeTotals = std::optional<BalanceTotals> (*)(const Workspace& ws, const FileSystem& fs,
                                                    const Regional& regional);

// One import mode: everything in which the modes differ. Whatever does
// something by mode (the load, the export, the account check, the presets,
// the tabs, the import table's drawing, kalkora-cli and the fuzz targets)
// reads it here.
struct ImportModeRow {
  ImportMode mode;
  // As the settings file ("AktivniList"), kalkora-cli's --mode and its JSON
  // dump count the modes.
  int number;
  const char* tabCaption;
  // The tabs of the later modes exist hidden; the settings file or a preset
  // shows their pages without a tab header.
  bool tabShownAtStart;
  ModeReader reader;
  ModeExporter exporter;
  ExportWindowKind exportWindow;
  // The turnover modes: their accounts go into rows through the definition
  // files. The load runs the account check when both definition files exist,
  // the toolbar button "Kontrola účtů" runs it (elsewhere it says it makes no
  // sense), and the four definition buttons are enabled.
  bool accountCheck;
  // The import table column that holds the amount and is drawn right-aligned.
  int amountColumn;
  // The keys of section "Nastaveni" under which the settings file keeps the
  // controls of the mode's tab, in the order a preset fills them.
  std::span<const char* const> settingsKeys;
  // The balance totals checked before the export; nullptr where the source
  // has no pair of them (one side of the balance sheet, or none).
  ModeTotals balanceTotals;
};

// The modes in the order of their tabs.
std::span<const ImportModeRow> importModes();
// The row of a mode; nullptr for ImportMode::None.
const ImportModeRow* importModeRow(ImportMode mode);
// The mode a number names: ImportMode::None for 0, nullopt for a number no mode has.
std::optional<ImportMode> importModeNumbered(long long number);
// The mode's number, 0 for ImportMode::None.
int importModeNumber(ImportMode mode);
// The column the import table draws right-aligned in a mode; without a mode
// the table holds the turnover headers, whose amount is column 2.
int amountColumn(ImportMode mode);

}  // namespace kalkora
