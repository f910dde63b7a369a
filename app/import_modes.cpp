#include "app/import_modes.h"

#include "export/balance_totals.h"
#include "export/statement_export.h"
#include "export/statement_run.h"
#include "export/turnover_export.h"
#include "statements/csv_statement_reader.h"
#include "statements/p501_report_reader.h"
#include "statements/ruz_statement_reader.h"
#include "statements/tax_return_reader.h"
#include "turnovers/csv_turnover_reader.h"
#include "turnovers/xml_turnover_reader.h"

namespace kalkora {
namespace {

void exportTurnovers(const Workspace& ws, const Services& services, Spreadsheet& spreadsheet,
                     ExportProgress& progress, CellOrigins& origins) {
  NaplnDaty(ws, services.fs, spreadsheet, progress, origins);
}

template <StatementProcedure procedure>
void exportStatement(const Workspace& ws, const Services& services, Spreadsheet& spreadsheet,
                     ExportProgress& progress, CellOrigins& origins) {
  exportStatements(procedure, ws, services.regional, spreadsheet, progress, origins);
}

std::optional<BalanceTotals> turnoverTotals(const Workspace& ws, const FileSystem& fs, const Regional&) {
  return turnoverBalanceTotals(ws, fs);
}

template <std::optional<BalanceTotals> (*totals)(const Workspace&, const Regional&)>
std::optional<BalanceTotals> statementTotals(const Workspace& ws, const FileSystem&, const Regional& regional) {
  return totals(ws, regional);
}

constexpr const char* kCsvTurnoverKeys[] = {"Oddelovac",   "Ucet",    "Castka",        "PrvniRadek", "KoeficientCSV",
                                            "PocetCislic", "Castka2", "CastkaMDminusD"};
// The XML names first, then the flags, as their rules want them set.
constexpr const char* kXmlTurnoverKeys[] = {
    "PocatecniElement", "ElementUcet",   "ElementCastka", "ElementCastka2", "ElementPrvku", "ElementUcetElement",
    "AtributUcet",      "AtributCastka", "AtributCastka2", "PrvniElement",  "DruhyElement", "KoeficientXML",
    "CheckBox1",        "CheckBox2",     "CheckBox3",     "CheckBox4",      "CheckBox5",    "CheckBox6",
    "CheckBox7",        "CheckBox8",     "CheckBox9",     "CheckBox10",     "CheckBox11"};
constexpr const char* kCsvStatementKeys[] = {"OddelovacVykaz",   "CastkaVykaz",          "PrvniRadekAktiva",
                                             "PrvniRadekPasiva", "PrvniRadekVysledovka", "KoeficientVykaz",
                                             "CheckBox12"};
constexpr const char* kRuzKeys[] = {"KoeficientVykazRUZ"};
constexpr const char* kTaxReturnKeys[] = {"KoeficientVykazMF"};
constexpr const char* kP501Keys[] = {"OddelovacSBS",   "TextVykazSBS",         "OznaceniVykazSBS",
                                     "CastkaVykazSBS", "PrvniRadekRozvahaSBS", "PrvniRadekVysledovkaSBS",
                                     "AktivniRadioButtonSBS"};

using enum ExportWindowKind;

constexpr ImportModeRow kModes[] = {
    {ImportMode::CsvTurnovers, 1, "Csv soubor obratů", true, NaplnitCSVobraty, exportTurnovers, Turnovers, true, 2,
     kCsvTurnoverKeys, turnoverTotals},
    {ImportMode::XmlTurnovers, 2, "Xml soubor obratů", true, NaplnitXMLobraty, exportTurnovers, Turnovers, true, 2,
     kXmlTurnoverKeys, turnoverTotals},
    {ImportMode::CsvStatement, 3, "Csv soubor výkazů", true, NaplnitCSVvykazy, exportStatement<exportCsvStatement>,
     Statements, false, 2, kCsvStatementKeys, nullptr},
    {ImportMode::RuzStatement, 4, "RUZ", false, NaplnitRUZvykazy, exportStatement<exportRuzStatement>, Statements,
     false, 2, kRuzKeys, statementTotals<registerStatementTotals>},
    {ImportMode::TaxReturn, 5, "Daňový portál MF", false, NaplnitMFCRvykazy, exportStatement<exportTaxReturn>,
     Statements, false, 2, kTaxReturnKeys, statementTotals<taxReturnTotals>},
    {ImportMode::P501Report, 6, "Výkaz P 5-01", false, NaplnitvykazySBS, exportStatement<exportP501Report>,
     Statements, false, 3, kP501Keys, nullptr},
};

}  // namespace

std::span<const ImportModeRow> importModes() { return kModes; }

const ImportModeRow* importModeRow(ImportMode mode) {
  for (const ImportModeRow& row : kModes)
    if (row.mode == mode) return &row;
  return nullptr;
}

std::optional<ImportMode> importModeNumbered(long long number) {
  if (number == 0) return ImportMode::None;
  for (const ImportModeRow& row : kModes)
    if (row.number == number) return row.mode;
  return std::nullopt;
}

int importModeNumber(ImportMode mode) {
  const ImportModeRow* row = importModeRow(mode);
  return row ? row->number : 0;
}

int amountColumn(ImportMode mode) {
  const ImportModeRow* row = importModeRow(mode);
  return row ? row->amountColumn : 2;
}

}  // namespace kalkora
