// Definition files as the account check and the turnover export read them:
// the input's file holds the balance-sheet definition, a line "====", the
// income-statement definition, another "====" and the turnover CSV (its
// parameters from the header), exported into a recording workbook.
#include "app/import_modes.h"
#include "app/mode_buttons.h"
#include "export/export_progress.h"
#include "export/export_protocol.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/targets.h"
#include "model/workspace.h"
#include "platform/text_file.h"
#include "testing/memory_file_system.h"
#include "testing/recording_messages.h"
#include "testing/recording_spreadsheet.h"

namespace kalkora::fuzz {
namespace {

// The three files of the input, cut at the "====" lines.
std::array<std::string, 3> cutFiles(std::string_view text) {
  std::array<std::string, 3> files;
  size_t file = 0;
  for (std::string_view line : splitLines(text)) {
    if (line == "====" && file < 2) {
      ++file;
      continue;
    }
    files[file].append(line).append("\r\n");
  }
  return files;
}

}  // namespace

void definitions(std::string_view data) {
  const FuzzInput input = splitInput(data);
  const auto [balance, income, turnovers] = cutFiles(input.file);
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;
  ws.params.Edit5 = "1";
  ws.params.Edit6 = "2";
  ws.params.Edit1 = "1";
  applyHeader(ws.params, input.header);
  ws.params.Edit3 = "obraty.csv";
  ws.params.balanceDefinitionPath = "rozvaha.txt";
  ws.params.incomeDefinitionPath = "vysledovka.txt";
  fs.files["obraty.csv"] = turnovers;
  fs.files["rozvaha.txt"] = balance;
  fs.files["vysledovka.txt"] = income;
  ws.mode = ImportMode::CsvTurnovers;
  loadByMode(ws, services);  // with both definitions present, the account check runs too
  RecordingSpreadsheet workbook({"Úvod", "Rozvahy netto", "Výsledovky", "Poznámky"});
  ExportProgress progress;
  importModeRow(ws.mode)->exporter(ws, services, workbook, progress, noCellOrigins());
}

}  // namespace kalkora::fuzz
