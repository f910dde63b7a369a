// The six readers, each fed its file with the tab's parameters from the
// input's header, through the load button's dispatch.
#include "app/mode_buttons.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/targets.h"
#include "model/workspace.h"
#include "testing/memory_file_system.h"
#include "testing/recording_messages.h"

namespace kalkora::fuzz {
namespace {

void load(ImportMode mode, const char* path, std::string_view data) {
  const FuzzInput input = splitInput(data);
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;
  applyHeader(ws.params, input.header);
  ws.params.Edit3 = path;
  fs.files[path] = input.file;
  ws.mode = mode;
  loadByMode(ws, services);
  if (ws.table.rowCount() < 1 || ws.loadedCount < 0) throw Finding("the load left no header row");
}

}  // namespace

void csvTurnovers(std::string_view data) { load(ImportMode::CsvTurnovers, "obraty.csv", data); }
void xmlTurnovers(std::string_view data) { load(ImportMode::XmlTurnovers, "obraty.xml", data); }
void csvStatements(std::string_view data) { load(ImportMode::CsvStatement, "vykaz.csv", data); }
void ruzStatements(std::string_view data) { load(ImportMode::RuzStatement, "ruz.xml", data); }
void taxReturns(std::string_view data) { load(ImportMode::TaxReturn, "dppdp.xml", data); }
void p501Reports(std::string_view data) { load(ImportMode::P501Report, "p501.csv", data); }

}  // namespace kalkora::fuzz
