#include "platform/xml_memory.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <pugixml.hpp>

#include "platform/huge_pages.h"

#if defined(__SANITIZE_ADDRESS__)
#define KALKORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KALKORA_ADDRESS_SANITIZER 1
#endif
#endif

namespace kalkora {
namespace {

// pugixml asks for 32 KB pages (and a block of its own for a long string);
// one mapping serves a few thousand of them.
constexpr std::size_t kMappingSize = std::size_t{64} << 20;
constexpr std::size_t kAlignment = alignof(std::max_align_t);
constexpr std::size_t kLargestBlock = std::size_t{1} << 40;

std::size_t roundUp(std::size_t n, std::size_t to) { return (n + to - 1) / to * to; }

struct Mapping {
  std::size_t size = 0;
  std::size_t used = 0;
  std::size_t blocks = 0;  // handed out and not yet freed
};

// Blocks are handed out one after another and never reused on their own: the
// pages of a document are freed together when it goes.
struct Mappings {
  std::mutex mutex;
  std::map<std::uintptr_t, Mapping> byStart;
  std::uintptr_t current = 0;  // 0: none to hand out from

  std::uintptr_t map(std::size_t size) {
    const auto start = reinterpret_cast<std::uintptr_t>(mapHugePages(size));
    if (start != 0) byStart.emplace(start, Mapping{size, 0, 0});
    return start;
  }

  void* allocate(std::size_t size) {
    if (size > kLargestBlock) return nullptr;  // rounding it up would wrap around
    const std::size_t needed = roundUp(size == 0 ? 1 : size, kAlignment);
    const std::lock_guard lock(mutex);
    if (current == 0 || byStart[current].size - byStart[current].used < needed) {
      current = map(std::max(kMappingSize, roundUp(needed, kHugePageSize)));
      // Where the system refuses a mapping (an address-space limit), the
      // ordinary heap still may not; free() takes such a block back.
      if (current == 0) return std::malloc(needed);
    }
    Mapping& m = byStart[current];
    void* block = reinterpret_cast<void*>(current + m.used);
    m.used += needed;
    ++m.blocks;
    return block;
  }

  // false when the block is not from a mapping of ours.
  bool release(void* block) {
    const auto at = reinterpret_cast<std::uintptr_t>(block);
    const std::lock_guard lock(mutex);
    auto it = byStart.upper_bound(at);
    if (it == byStart.begin()) return false;
    --it;
    if (at >= it->first + it->second.size) return false;
    if (--it->second.blocks == 0) {
      unmapPages(reinterpret_cast<void*>(it->first), it->second.size);
      if (current == it->first) current = 0;
      byStart.erase(it);
    }
    return true;
  }
};

// Never destroyed: a document that lives until the program ends is freed
// after every static object.
Mappings& mappings() {
  static Mappings* const m = new Mappings;
  return *m;
}

}  // namespace

void* allocateXmlMemory(std::size_t size) { return mappings().allocate(size); }

void freeXmlMemory(void* block) {
  if (block != nullptr && !mappings().release(block)) std::free(block);
}

void installXmlMemory() {
#ifndef KALKORA_ADDRESS_SANITIZER
  pugi::set_memory_management_functions(allocateXmlMemory, freeXmlMemory);
#endif
}

}  // namespace kalkora
