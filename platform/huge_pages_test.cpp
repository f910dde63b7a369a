#include "platform/huge_pages.h"

#include <gtest/gtest.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace kalkora {
namespace {

// Whether the page at address is mapped: mincore refuses unmapped memory.
bool mapped(std::uintptr_t address) {
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  unsigned char resident = 0;
  return ::mincore(reinterpret_cast<void*>(address / page * page), page, &resident) == 0;
}

}  // namespace

// A size that is no multiple of a page still gets an aligned mapping of all
// its bytes, and giving it back leaves nothing mapped: neither the block nor
// the page after it, which always belongs to the extra huge page mapped for
// the alignment and trimmed off again.
TEST(HugePages, MappingIsAlignedWholeAndLeavesNothingBehind) {
  const std::size_t size = 3 * kHugePageSize + 5;
  auto* block = static_cast<unsigned char*>(mapHugePages(size));
  ASSERT_NE(block, nullptr);
  const auto start = reinterpret_cast<std::uintptr_t>(block);
  EXPECT_EQ(start % kHugePageSize, 0u);
  std::memset(block, 7, size);
  EXPECT_EQ(block[size - 1], 7);
  const auto page = static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE));
  const std::uintptr_t afterBlock = (start + size + page - 1) / page * page;
  EXPECT_FALSE(mapped(afterBlock));
  unmapPages(block, size);
  for (std::uintptr_t at = start; at <= afterBlock; at += page) EXPECT_FALSE(mapped(at)) << (at - start);
  EXPECT_EQ(mapHugePages(0), nullptr);
}

}  // namespace kalkora
