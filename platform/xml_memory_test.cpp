#include "platform/xml_memory.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace kalkora {

// Blocks are handed out one after another from shared mappings: a block
// must neither overlap another nor lose its bytes when its neighbours (or
// the whole mapping but it) are freed, and one bigger than a mapping, or
// one that came from malloc before the functions were installed, must be
// freed as well.
TEST(XmlMemory, BlocksStayApartAndIntactWhateverIsFreed) {
  std::vector<unsigned char*> blocks;
  const auto fill = [](unsigned char* b, size_t i) { std::memset(b, static_cast<int>(i % 251), (32 << 10) - 8); };
  for (size_t i = 0; i < 2200; ++i) {  // more than a mapping of 32 KB pages
    auto* b = static_cast<unsigned char*>(allocateXmlMemory((32 << 10) - i % 7));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(b) % alignof(std::max_align_t), 0u);
    fill(b, i);
    blocks.push_back(b);
  }
  for (size_t i = 0; i < blocks.size(); i += 2) freeXmlMemory(blocks[i]);
  auto* big = static_cast<unsigned char*>(allocateXmlMemory(size_t{100} << 20));
  ASSERT_NE(big, nullptr);
  big[0] = big[(size_t{100} << 20) - 1] = 7;
  for (size_t i = 1; i < blocks.size(); i += 2) {
    EXPECT_EQ(blocks[i][0], i % 251);
    EXPECT_EQ(blocks[i][(32 << 10) - 9], i % 251);
    freeXmlMemory(blocks[i]);
  }
  EXPECT_EQ(big[(size_t{100} << 20) - 1], 7);
  freeXmlMemory(big);
  EXPECT_EQ(allocateXmlMemory(static_cast<size_t>(-1)), nullptr);
  freeXmlMemory(std::malloc(64));
  freeXmlMemory(nullptr);
}

// Where the system gives no new mapping (an address-space limit), a block
// still comes from the ordinary heap and goes back to it. Run in a fresh
// process, so that no mapping of earlier tests has room left.
[[noreturn]] void allocateUnderAnAddressLimit() {
  std::size_t pages = 0;
  std::ifstream("/proc/self/statm") >> pages;
  const rlimit limit{pages * 4096 + (std::size_t{16} << 20), RLIM_INFINITY};
  setrlimit(RLIMIT_AS, &limit);
  void* block = allocateXmlMemory(1000);
  if (block) std::memset(block, 1, 1000);
  freeXmlMemory(block);
  std::exit(block ? 0 : 1);
}

TEST(XmlMemory, ABlockComesFromTheHeapWhenNoMappingIsGiven) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(allocateUnderAnAddressLimit(), ::testing::ExitedWithCode(0), "");
}

}  // namespace kalkora
