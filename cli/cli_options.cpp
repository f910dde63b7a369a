#include "cli/cli_options.h"

#include <map>

#include "platform/number.h"

namespace kalkora {
namespace {

using TextOption = std::optional<std::string> CliOptions::*;
const std::map<std::string, TextOption> kTextOptions = {
    {"--settings", &CliOptions::settings},     {"--source", &CliOptions::source},
    {"--balance-def", &CliOptions::balanceDef}, {"--income-def", &CliOptions::incomeDef},
    {"--form", &CliOptions::form},             {"--dump", &CliOptions::dump},
    {"--control-csv", &CliOptions::controlCsv}, {"--workbook", &CliOptions::workbook},
    {"--output", &CliOptions::output},         {"--decimal", &CliOptions::decimal},
    {"--thousands", &CliOptions::thousands},   {"--period", &CliOptions::period},
    {"--backend", &CliOptions::backend},       {"--report", &CliOptions::report},
    {"--restore-backup", &CliOptions::restoreBackup},
};

bool parseSmallInt(const std::string& text, int& out) {
  const auto value = parseInteger(text);
  if (!value || *value < -1000000 || *value > 1000000) return false;
  out = static_cast<int>(*value);
  return true;
}

}  // namespace

std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args, std::string& error) {
  CliOptions o;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--sum-lines") {
      o.sumLines = true;
      continue;
    }
    if (arg == "--clear-period" || arg == "--strict") {
      (arg == "--strict" ? o.strict : o.clearPeriod) = true;
      continue;
    }
    if (arg == "--help" || arg == "--version") {
      (arg == "--help" ? o.help : o.version) = true;
      continue;
    }
    const bool known = kTextOptions.count(arg) || arg == "--mode" || arg == "--statement-type" || arg == "--set";
    if (!known) {
      error = "Neznámý přepínač: " + arg;
      return std::nullopt;
    }
    if (i + 1 >= args.size()) {
      error = "Chybí hodnota přepínače " + arg;
      return std::nullopt;
    }
    const std::string& value = args[++i];
    if (const auto it = kTextOptions.find(arg); it != kTextOptions.end()) {
      o.*(it->second) = value;
    } else if (arg == "--set") {
      const auto eq = value.find('=');
      if (eq == std::string::npos || eq == 0) {
        error = "Přepínač --set čeká KLÍČ=HODNOTA: " + value;
        return std::nullopt;
      }
      o.sets.emplace_back(value.substr(0, eq), value.substr(eq + 1));
    } else {
      int number;
      if (!parseSmallInt(value, number)) {
        error = "Přepínač " + arg + " čeká celé číslo: " + value;
        return std::nullopt;
      }
      (arg == "--mode" ? o.mode : o.statementType) = number;
    }
  }
  if (o.backend && *o.backend != "file" && *o.backend != "libreoffice") {
    error = "Přepínač --backend čeká file nebo libreoffice: " + *o.backend;
    return std::nullopt;
  }
  return o;
}

}  // namespace kalkora
