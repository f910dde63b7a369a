#pragma once
#include <string>
#include <vector>

#include "platform/messages.h"

namespace kalkora {

// Remembers every message shown, in order, prefixed "notice: " or "warning: ".
class RecordingMessages : public Messages {
 public:
  std::vector<std::string> shown;
  void notice(const std::string& text) override { shown.push_back("notice: " + text); }
  void warning(const std::string& text) override { shown.push_back("warning: " + text); }
};

}  // namespace kalkora
