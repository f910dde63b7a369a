#include "xlsx/side_by_side.h"

#include <exception>
#include <thread>
#include <vector>

namespace kalkora {

void runSideBySide(std::size_t count, const std::function<bool(std::size_t)>& heavy,
                   const std::function<void(std::size_t)>& work) {
  std::vector<std::exception_ptr> errors(count);
  const auto guarded = [&](std::size_t i) {
    try {
      work(i);
    } catch (...) {
      errors[i] = std::current_exception();
    }
  };
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < count; ++i) {
    if (heavy(i)) {
      threads.emplace_back(guarded, i);
    } else {
      guarded(i);
    }
  }
  for (std::thread& t : threads) t.join();
  for (const auto& error : errors)
    if (error) std::rethrow_exception(error);
}

}  // namespace kalkora
