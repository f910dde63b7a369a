#pragma once
#include <string>

#include "model/parameters.h"

namespace kalkora {

// The set XML flags as their check box numbers, e.g. "1 6 7", so a test
// reads the whole state at once.
inline std::string setXmlFlagsText(const Parameters& p) {
  std::string out;
  for (size_t i = 0; i < p.xmlFlags.size(); ++i)
    if (p.xmlFlags[i]) out += (out.empty() ? "" : " ") + std::to_string(i + 1);
  return out;
}

}  // namespace kalkora
