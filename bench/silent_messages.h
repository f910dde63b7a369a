#pragma once
#include <string>

#include "platform/messages.h"

// Benchmarks time the loads, not the message boxes.
class SilentMessages : public kalkora::Messages {
 public:
  void notice(const std::string&) override {}
  void warning(const std::string&) override {}
};
