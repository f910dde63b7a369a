#pragma once
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "model/workspace.h"
#include "platform/operation_stopped.h"
#include "testing/memory_file_system.h"
#include "testing/recording_messages.h"

namespace kalkora {

// A workspace with an in-memory source file, recorded messages and the
// Czech regional settings (decimal comma, no-break space for thousands).
struct ReaderTest : ::testing::Test {
  MemoryFileSystem fs;
  RecordingMessages messages;
  Services services{fs, messages, Regional{}};
  Workspace ws;

  void source(const std::string& path, const std::string& content) {
    ws.params.Edit3 = path;
    fs.files[path] = content;
  }
  // Columns first..last of data rows 1 to the last row.
  std::vector<std::vector<std::string>> rows(int first = 1, int last = 3) const {
    std::vector<std::vector<std::string>> out;
    for (int r = 1; r < ws.table.rowCount(); ++r) {
      std::vector<std::string> row;
      for (int c = first; c <= last; ++c) row.push_back(ws.table.cell(c, r));
      out.push_back(std::move(row));
    }
    return out;
  }
  // The load ends with this plain message, not with an error.
  template <class Load>
  void expectStopped(Load load, const char* message) {
    try {
      load(ws, services);
      ADD_FAILURE() << "no message";
    } catch (const OperationStopped& e) {
      EXPECT_STREQ(e.what(), message);
    }
  }
  std::vector<std::string> row(int r, int first = 1, int last = 3) const {
    std::vector<std::string> out;
    for (int c = first; c <= last; ++c) out.push_back(ws.table.cell(c, r));
    return out;
  }
};

using Cells = std::vector<std::string>;
using Table = std::vector<Cells>;

}  // namespace kalkora
