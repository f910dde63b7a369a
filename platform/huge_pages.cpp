#include "platform/huge_pages.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

namespace kalkora {
namespace {

std::uintptr_t roundUp(std::uintptr_t n, std::uintptr_t to) { return (n + to - 1) / to * to; }

}  // namespace

void* mapHugePages(std::size_t size) {
  if (size == 0 || size > SIZE_MAX / 2) return nullptr;
  // Whole pages of the system, as munmap gives them back.
  const std::size_t length = roundUp(size, static_cast<std::uintptr_t>(::sysconf(_SC_PAGESIZE)));
  // A huge page longer than asked, then trimmed to the aligned part.
  void* p = ::mmap(nullptr, length + kHugePageSize, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (p == MAP_FAILED) return nullptr;
  const auto raw = reinterpret_cast<std::uintptr_t>(p);
  const std::uintptr_t start = roundUp(raw, kHugePageSize);
  if (start > raw) ::munmap(p, start - raw);
  if (const std::size_t tail = raw + kHugePageSize - start) ::munmap(reinterpret_cast<void*>(start + length), tail);
  ::madvise(reinterpret_cast<void*>(start), length, MADV_HUGEPAGE);
  return reinterpret_cast<void*>(start);
}

void unmapPages(void* start, std::size_t size) { ::munmap(start, size); }

}  // namespace kalkora
