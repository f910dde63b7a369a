#pragma once
#include <array>
#include <optional>
#include <vector>

#include "model/import_mode.h"
#include "model/import_table.h"
#include "model/parameters.h"
#include "platform/regional.h"

namespace kalkora {

class FileSystem;
class Messages;

// The accounts with a balance that no row of either definition takes, as
// the last account check found them: their rows of the import table and the
// sum of their balances.
struct UnassignedAccounts {
  std::vector<int> rows;
  double total = 0;
};

// The state the main window owns and every reader, the account check and the
// exporters work on: controls, import table, import mode, loaded count.
struct Workspace {
  Parameters params;
  ImportTable table;
  ImportMode mode = ImportMode::None;
  int loadedCount = 0;
  // Widths in pixels that the last load asks the window to give the table's
  // columns 0..3; only the P 5-01 reader sets them.
  std::optional<std::array<int, ImportTable::kColumns>> columnWidths;
  // Set by an account check that went through both definitions; every load
  // forgets it.
  std::optional<UnassignedAccounts> unassigned;
};

// What the core needs from the machine, passed down explicitly.
struct Services {
  FileSystem& fs;
  Messages& messages;
  Regional regional;
};

}  // namespace kalkora
