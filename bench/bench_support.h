#pragma once
#include <cstdlib>
#include <string>
#include <vector>

#include "platform/messages.h"

// Benchmarks time the loads, not the message boxes.
class SilentMessages : public kalkora::Messages {
 public:
  void notice(const std::string&) override {}
  void warning(const std::string&) override {}
};

// The sizes named on the command line, or the defaults.
inline std::vector<long> benchSizes(int argc, char** argv, std::vector<long> defaults) {
  std::vector<long> sizes;
  for (int i = 1; i < argc; ++i) sizes.push_back(std::atol(argv[i]));
  return sizes.empty() ? defaults : sizes;
}
