#pragma once
#include <span>
#include <stdexcept>
#include <string_view>

namespace kalkora::fuzz {

// Each target feeds one kind of input to the library the way the programs
// do. A kalkora::Error is the program's answer to bad input and ends a run
// quietly; anything else escapes: a crash, a sanitizer report, or a Finding,
// raised when a result contradicts what the code promises.
struct Finding : std::logic_error {
  using std::logic_error::logic_error;
};

struct Target {
  const char* name;  // also the folder of its seed corpus
  void (*run)(std::string_view data);
};

std::span<const Target> targets();
const Target* findTarget(std::string_view name);

// Runs the target on one input, a kalkora::Error ending it quietly.
void runOne(const Target& target, std::string_view data);

void csvTurnovers(std::string_view data);
void xmlTurnovers(std::string_view data);
void definitions(std::string_view data);
void csvStatements(std::string_view data);
void ruzStatements(std::string_view data);
void taxReturns(std::string_view data);
void p501Reports(std::string_view data);
void settingsFile(std::string_view data);
void xlsxBytes(std::string_view data);
void xlsxParts(std::string_view data);

}  // namespace kalkora::fuzz
