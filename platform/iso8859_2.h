#pragma once
#include <string>
#include <string_view>

namespace kalkora {

// ISO 8859-2 (Latin-2) bytes to UTF-8; some XML exports declare it.
std::string iso8859_2ToUtf8(std::string_view bytes);

}  // namespace kalkora
