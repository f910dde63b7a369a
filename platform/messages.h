#pragma once
#include <string>

namespace kalkora {

// Plain message boxes with one OK button. The operation that shows one goes on
// (or ends) as its own code says once the user has confirmed it.
class Messages {
 public:
  virtual ~Messages() = default;
  // An information box, e.g. "Kontrolní csv soubor byl vygenerován."
  virtual void notice(const std::string& text) = 0;
  // A box with the warning icon and the caption "Upozornění".
  virtual void warning(const std::string& text) = 0;
};

}  // namespace kalkora
