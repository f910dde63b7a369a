#pragma once
#include <stdexcept>
#include <string>

namespace kalkora {

// An operation that cannot go on raises this with the Czech text the user
// sees; the window shows it in its error box, kalkora-cli prints it and exits 1.
class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace kalkora
