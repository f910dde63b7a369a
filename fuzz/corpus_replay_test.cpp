#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "fuzz/targets.h"

namespace kalkora::fuzz {

// Every seed and every input that once found a fault, through the same entry
// points as the harnesses: a fault found once cannot come back unnoticed.
TEST(FuzzCorpus, EveryFileReplaysWithoutAFinding) {
  for (const Target& target : targets()) {
    const std::filesystem::path folder = std::filesystem::path(KALKORA_CORPUS_DIR) / target.name;
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      std::ifstream in(entry.path(), std::ios::binary);
      std::stringstream bytes;
      bytes << in.rdbuf();
      ++files;
      try {
        runOne(target, bytes.str());
      } catch (const std::exception& e) {
        ADD_FAILURE() << entry.path() << ": " << e.what();
      }
    }
    EXPECT_GT(files, 0) << target.name;
  }
}

}  // namespace kalkora::fuzz
