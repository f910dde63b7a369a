#pragma once
#include <string>

#include "model/workspace.h"

namespace kalkora {

// The import table and the reader-filled boxes as JSON (UTF-8).
std::string dumpJson(const Workspace& ws);

// A JSON string literal.
std::string jsonString(const std::string& text);

}  // namespace kalkora
