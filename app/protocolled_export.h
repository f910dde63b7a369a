#pragma once
#include <functional>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "export/workbook_session.h"
#include "model/workspace.h"

namespace kalkora {

class ExportProtocol;
class FileSystem;

// What the export button does around the export, in the window and in
// kalkora-cli alike: the warnings before it (balance totals that disagree),
// a protocol in front of the session's spreadsheet while the exporter runs,
// and the protocol file once the session has written the workbook back.
class ProtocolledExport {
 public:
  ProtocolledExport(const Workspace& ws, const FileSystem& fs, const Regional& regional);

  // To show before the export, which goes on after them: totals that
  // disagree. Worked out at the first call, as the export is about to begin.
  const std::vector<std::string>& warnings();

  // The exporter as the session runs it. Each run (a retry runs again) gets
  // a protocol of its own in front of the spreadsheet, with the warnings and
  // the unassigned accounts as its notes; the last one is kept.
  RunExport wrap(std::function<void(ExportProtocol&)> exporter);

  // Once the session has ended: writes the kept protocol to `target`, where
  // "-" means `out`, or else to its place beside the workbook. Returns where
  // it went; "" when no exporter ran or the export was undone.
  std::string write(FileSystem& fs, const std::optional<std::string>& target, std::ostream* out) const;

 private:
  void keep(const ExportProtocol& protocol);

  const Workspace& ws_;
  const FileSystem& fs_;
  Regional regional_;
  std::optional<std::vector<std::string>> warnings_;
  std::string csv_, path_;
};

// "Protokol exportu: <path>", what the user is told once it is written.
std::string protocolNotice(const std::string& path);

}  // namespace kalkora
