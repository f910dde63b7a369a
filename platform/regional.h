#pragma once
#include <string>

namespace kalkora {

// The user's regional settings as the program uses them. The programs take
// them from the system locale once and pass them down, so the core and its
// tests never depend on the machine's locale.
struct Regional {
  char32_t decimalSeparator = U',';
  char32_t thousandsSeparator = U'\u00A0';  // 0 when the locale has none
  std::string shortDateFormat = "d.M.yyyy";
  std::string longTimeFormat = "H:mm:ss";
};

}  // namespace kalkora
