#include "app/protocolled_export.h"

#include "app/import_modes.h"
#include "export/balance_totals.h"
#include "export/export_protocol.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "turnovers/account_check.h"

namespace kalkora {

ProtocolledExport::ProtocolledExport(const Workspace& ws, const FileSystem& fs, const Regional& regional)
    : ws_(ws), fs_(fs), regional_(regional) {}

const std::vector<std::string>& ProtocolledExport::warnings() {
  if (!warnings_) {
    warnings_.emplace();
    const ImportModeRow* row = importModeRow(ws_.mode);
    if (const auto totals = row && row->balanceTotals ? row->balanceTotals(ws_, fs_, regional_) : std::nullopt)
      if (auto warning = totalsWarning(*totals, regional_.decimalSeparator)) warnings_->push_back(std::move(*warning));
  }
  return *warnings_;
}

RunExport ProtocolledExport::wrap(std::function<void(ExportProtocol&)> exporter) {
  return [this, exporter = std::move(exporter)](Spreadsheet& spreadsheet) {
    ExportProtocol protocol(spreadsheet, regional_.decimalSeparator);
    for (const std::string& warning : warnings()) protocol.note("Kontrola součtů", warning);
    if (ws_.unassigned) {
      for (int row : ws_.unassigned->rows)
        protocol.note("Nezařazený účet", ws_.table.cell(1, row) + ": " + ws_.table.cell(2, row));
      protocol.note("Nezařazené účty", unassignedAccountsText(*ws_.unassigned));
    }
    // What a failed export wrote still goes into the workbook, so its
    // protocol is kept all the same.
    try {
      exporter(protocol);
    } catch (...) {
      keep(protocol);
      throw;
    }
    keep(protocol);
  };
}

void ProtocolledExport::keep(const ExportProtocol& protocol) {
  csv_ = protocol.dropped() ? "" : protocol.csv();
  path_ = protocol.protocolPath();
}

std::string ProtocolledExport::write(FileSystem& fs, const std::optional<std::string>& target,
                                     std::ostream* out) const {
  if (csv_.empty()) return "";
  if (target && *target == "-" && out) {
    *out << csv_;
    return "-";
  }
  const std::string path = target ? *target : path_;
  if (path.empty()) return "";
  fs.writeFile(path, csv_);
  return path;
}

std::string protocolNotice(const std::string& path) { return "Protokol exportu: " + path; }

}  // namespace kalkora
