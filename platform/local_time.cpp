#include "platform/local_time.h"

namespace kalkora {

std::string localTimeText(std::time_t time, const char* format) {
  std::tm local{};
  ::localtime_r(&time, &local);
  char text[64];
  std::strftime(text, sizeof text, format, &local);
  return text;
}

}  // namespace kalkora
