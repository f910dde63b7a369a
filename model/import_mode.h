#pragma once

namespace kalkora {

// Which source the main window loads and how its import table goes into the
// workbook. None until the user, the settings file or a preset chooses one.
// What each mode is (its number, tab, reader, export, account check and
// settings keys) is its row in app/import_modes.h.
enum class ImportMode { None, CsvTurnovers, XmlTurnovers, CsvStatement, RuzStatement, TaxReturn, P501Report };

}  // namespace kalkora
