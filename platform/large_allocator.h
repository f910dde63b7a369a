#pragma once
#include <cstddef>
#include <memory>
#include <new>

#include "platform/huge_pages.h"

namespace kalkora {

// An allocator for arrays that may grow to hundreds of megabytes (the import
// table of a large file). Above a few megabytes it maps huge pages of its own
// (platform/huge_pages.h), so a generous reservation costs address space, not
// memory.
template <class T>
class LargeAllocator {
 public:
  using value_type = T;
  LargeAllocator() = default;
  template <class U>
  LargeAllocator(const LargeAllocator<U>&) {}

  T* allocate(std::size_t n) {
    if (n > kLargeBytes / sizeof(T)) {
      if (n > static_cast<std::size_t>(-1) / sizeof(T)) throw std::bad_alloc();
      void* p = mapHugePages(n * sizeof(T));
      if (!p) throw std::bad_alloc();
      return static_cast<T*>(p);
    }
    return std::allocator<T>().allocate(n);
  }
  void deallocate(T* p, std::size_t n) {
    if (n > kLargeBytes / sizeof(T))
      unmapPages(p, n * sizeof(T));
    else
      std::allocator<T>().deallocate(p, n);
  }
  template <class U>
  bool operator==(const LargeAllocator<U>&) const {
    return true;
  }

 private:
  static constexpr std::size_t kLargeBytes = std::size_t{4} << 20;
};

}  // namespace kalkora
