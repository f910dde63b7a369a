#pragma once
#include <ctime>
#include <string>

namespace kalkora {

// The local date and time of `time` written by a strftime format.
std::string localTimeText(std::time_t time, const char* format);

}  // namespace kalkora
