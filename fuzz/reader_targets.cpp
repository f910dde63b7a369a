// The six readers, each fed its file with the tab's parameters from the
// input's header, through the load button's dispatch.
#include "app/load_by_mode.h"
#include "fuzz/fuzz_input.h"
#include "fuzz/targets.h"
#include "model/workspace.h"
#include "testing/memory_file_system.h"
#include "testing/recording_messages.h"

namespace kalkora::fuzz {
namespace {

void load(int mode, const char* path, std::string_view data) {
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

void csvTurnovers(std::string_view data) { load(1, "obraty.csv", data); }
void xmlTurnovers(std::string_view data) { load(2, "obraty.xml", data); }
void csvStatements(std::string_view data) { load(3, "vykaz.csv", data); }
void ruzStatements(std::string_view data) { load(4, "ruz.xml", data); }
void taxReturns(std::string_view data) { load(5, "dppdp.xml", data); }
void p501Reports(std::string_view data) { load(6, "p501.csv", data); }

}  // namespace kalkora::fuzz
