#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kalkora {

class FileSystem;

// One statement row of a definition file: three lines, by position.
struct DefinitionRecord {
  std::string description;  // free text, shown by the editor only
  std::string rowLine;      // characters 4 to 6: workbook row; then the label
  std::string accounts;     // comma-terminated entries such as 311,-391,314>,
};

enum class DefinitionKind { BalanceSheet, IncomeStatement };

// Groups lines into records of three; a last record short of lines is
// completed with empty ones. No lines, no records.
std::vector<DefinitionRecord> parseDefinitionRecords(const std::vector<std::string>& lines);

// The records of the file at path (windows-1250 or UTF-8); raises the file
// system's Error when it cannot be read.
std::vector<DefinitionRecord> readDefinitionFile(const FileSystem& fs, const std::string& path);

// The entries of an account list in order, marks kept. Each entry ends at a
// comma; text after the last comma is one more entry, since a list typed
// without its final comma still means its last account.
std::vector<std::string> splitAccountList(std::string_view list);

// An entry with its marks taken off.
struct DefinitionEntry {
  std::string prefix;     // matches every account that begins with it; "" matches none
  bool subtract = false;  // "-"
  bool active = false;    // ">": only a sum above zero counts
  bool passive = false;   // "<": only a sum below zero counts, turned positive
};

// Drops a leading character when the entry holds "-", then a trailing one
// when it holds ">", then a trailing one when it holds "<". Without
// stateMarks only the "-" is decoded and ">"/"<" stay part of the prefix.
DefinitionEntry decodeEntry(std::string_view entry, bool stateMarks = true);

// Characters 4 to 6 of the row line: the workbook row as text.
std::string definitionRowText(const DefinitionRecord& record);

// Characters 1 to 6 of the row line: the row number as the editor shows it.
std::string definitionRowNumber(const DefinitionRecord& record);

// The row's label: characters 8 to 28 of the row line in the balance-sheet
// definition, 7 to 27 in the income-statement one.
std::string definitionLabel(const DefinitionRecord& record, DefinitionKind kind);

// Where a record stands in its file, as an error about it begins:
// "Definice rozvahy /d/rozvaha.txt, záznam od řádku 4: ". Records count from
// 0 and take three lines each.
std::string definitionPlace(DefinitionKind kind, const std::string& path, size_t record);

// Messages of a missing definition file.
inline constexpr const char* kBalanceDefinitionMissing =
    "Soubor nastavení rozvahy nebyl nalezen. Připojte jej v parametrizaci.";
inline constexpr const char* kIncomeDefinitionMissing =
    "Soubor nastavení výsledovky nebyl nalezen. Připojte jej v parametrizaci.";

}  // namespace kalkora
