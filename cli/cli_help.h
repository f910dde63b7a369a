#pragma once
#include <string>

namespace kalkora {

// What kalkora-cli --help prints: the usage, what the program does, every
// option with its default, the order of work and the exit codes. The man
// page kalkora-cli(1) is made from it.
std::string cliHelp();

// What kalkora-cli --version prints.
std::string cliVersion();

}  // namespace kalkora
