#pragma once
#include <cstddef>
#include <functional>

namespace kalkora {

// Runs work(0) .. work(count - 1), those for which heavy(i) holds each on a
// thread of its own, the rest on the calling thread; returns when all are
// done and rethrows the first failure. The jobs must not share mutable state.
void runSideBySide(std::size_t count, const std::function<bool(std::size_t)>& heavy,
                   const std::function<void(std::size_t)>& work);

}  // namespace kalkora
