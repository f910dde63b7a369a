#pragma once
#include <sys/types.h>

#include <string>

namespace kalkora {

// An X server of the test's own (Xvfb, on a display number it picks itself)
// for programs that open windows, such as LibreOffice; DISPLAY points at it
// while it lives. Programs left on it lose their display when it ends.
class VirtualDisplay {
 public:
  VirtualDisplay();
  ~VirtualDisplay();
  VirtualDisplay(const VirtualDisplay&) = delete;
  VirtualDisplay& operator=(const VirtualDisplay&) = delete;

  // "" when Xvfb could not start; why says what went wrong.
  const std::string& display() const { return display_; }
  const std::string& why() const { return why_; }

 private:
  pid_t pid_ = -1;
  std::string display_, why_, previous_;
};

// Kills every process of ours whose environment has HOME=home: what a test
// started in a home of its own and that this program never ends itself.
void killProcessesWithHome(const std::string& home);

}  // namespace kalkora
