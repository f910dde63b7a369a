#pragma once
#include <string_view>

namespace kalkora {

// The XML statement readers (modes 4 and 5) on a source that did not load
// as XML: JSON, or no XML at all, ends the load with a message that says so
// and then what the reader reads (`whatIsRead`, a whole sentence). A file
// that begins as XML does (broken, truncated or empty) returns, and the
// reader gives its own structure message.
void stopOnNonXml(std::string_view bytes, std::string_view whatIsRead);

}  // namespace kalkora
