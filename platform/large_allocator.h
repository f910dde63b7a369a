#pragma once
#include <sys/mman.h>

#include <cstddef>
#include <memory>
#include <new>

namespace kalkora {

// An allocator for arrays that may grow to hundreds of megabytes (the import
// table of a large file). Above a few megabytes it maps pages of its own and
// asks for huge pages: the system then zeroes and maps 2 MB at a time instead
// of faulting in every 4 KB page, which otherwise costs more than filling the
// array. Pages are only made resident when first written, so a generous
// reservation costs address space, not memory.
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
      void* p = ::mmap(nullptr, n * sizeof(T), PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
      if (p == MAP_FAILED) throw std::bad_alloc();
      ::madvise(p, n * sizeof(T), MADV_HUGEPAGE);
      return static_cast<T*>(p);
    }
    return std::allocator<T>().allocate(n);
  }
  void deallocate(T* p, std::size_t n) {
    if (n > kLargeBytes / sizeof(T))
      ::munmap(p, n * sizeof(T));
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
