#include "fuzz/targets.h"

#include "platform/error.h"

namespace kalkora::fuzz {
namespace {

constexpr Target kTargets[] = {
    {"csv_turnovers", csvTurnovers},   {"xml_turnovers", xmlTurnovers}, {"definitions", definitions},
    {"csv_statements", csvStatements}, {"ruz", ruzStatements},          {"tax_returns", taxReturns},
    {"p501", p501Reports},             {"settings", settingsFile},      {"xlsx_bytes", xlsxBytes},
    {"xlsx_parts", xlsxParts},
};

}  // namespace

std::span<const Target> targets() { return kTargets; }

const Target* findTarget(std::string_view name) {
  for (const Target& t : kTargets)
    if (name == t.name) return &t;
  return nullptr;
}

void runOne(const Target& target, std::string_view data) {
  try {
    target.run(data);
  } catch (const Error&) {
  }
}

}  // namespace kalkora::fuzz
