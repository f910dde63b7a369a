#pragma once

namespace kalkora {

// The program's version as the status bar shows it and both programs print
// for --version.
inline constexpr const char* kVersionText = "Verze 4.25 / 10.4.2024 (CSV,XML)";

}  // namespace kalkora
