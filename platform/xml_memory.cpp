#include "platform/xml_memory.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <mutex>
#include <pugixml.hpp>

#if defined(__SANITIZE_ADDRESS__)
#define KALKORA_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KALKORA_ADDRESS_SANITIZER 1
#endif
#endif

namespace kalkora {
namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;
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

  // Starts on a huge-page boundary, so that every 2 MB of it can be one page.
  std::uintptr_t map(std::size_t size) {
    void* p = ::mmap(nullptr, size + kHugePage, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return 0;
    const auto raw = reinterpret_cast<std::uintptr_t>(p);
    const std::uintptr_t start = roundUp(raw, kHugePage);
    if (start > raw) ::munmap(p, start - raw);
    if (const std::size_t tail = raw + kHugePage - start) ::munmap(reinterpret_cast<void*>(start + size), tail);
    ::madvise(reinterpret_cast<void*>(start), size, MADV_HUGEPAGE);
    byStart.emplace(start, Mapping{size, 0, 0});
    return start;
  }

  void* allocate(std::size_t size) {
    if (size > kLargestBlock) return nullptr;  // rounding it up would wrap around
    const std::size_t needed = roundUp(size == 0 ? 1 : size, kAlignment);
    const std::lock_guard lock(mutex);
    if (current == 0 || byStart[current].size - byStart[current].used < needed) {
      current = map(std::max(kMappingSize, roundUp(needed, kHugePage)));
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
      ::munmap(reinterpret_cast<void*>(it->first), it->second.size);
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

}  // namespace kalkora

// Before main(), so that every document is allocated and freed by the same
// pair. The link asks for this name (platform/CMakeLists.txt), so it is part
// of every program that uses the platform library. Under AddressSanitizer
// (the fuzz build) documents stay on the heap, where a read past the end of
// a block is caught.
extern "C" const bool kalkora_xml_memory_installed = [] {
#ifndef KALKORA_ADDRESS_SANITIZER
  pugi::set_memory_management_functions(kalkora::allocateXmlMemory, kalkora::freeXmlMemory);
#endif
  return true;
}();
