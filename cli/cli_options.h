#pragma once
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kalkora {

// The command line of kalkora-cli.
struct CliOptions {
  std::optional<std::string> settings, source, balanceDef, incomeDef, form, dump, controlCsv, workbook, output;
  std::optional<std::string> report;         // --report FILE|-: the export protocol goes there
  std::optional<std::string> restoreBackup;  // --restore-backup WORKBOOK: that and nothing else
  std::optional<std::string> backend;  // "file" or "libreoffice"
  std::optional<std::string> decimal, thousands, period;
  std::optional<int> mode, statementType;
  std::vector<std::pair<std::string, std::string>> sets;  // --set KEY=VALUE, in order
  bool sumLines = false;
  bool clearPeriod = false;
  bool strict = false;  // no export while accounts stay outside the definitions
  bool help = false, version = false;  // --help, --version: print and end
};

// Parses argv[1..]; nullopt with `error` filled on bad usage.
std::optional<CliOptions> parseCliOptions(const std::vector<std::string>& args, std::string& error);

inline constexpr const char* kCliUsage =
    "Použití: kalkora-cli [--settings SOUBOR] [--mode N] [--source SOUBOR] [--balance-def SOUBOR]\n"
    "  [--income-def SOUBOR] [--set KLÍČ=HODNOTA]... [--statement-type N] [--form DPPDP8|DPPDP9]\n"
    "  [--sum-lines] [--clear-period] [--decimal ZNAK] [--thousands ZNAK] [--dump SOUBOR|-]\n"
    "  [--control-csv SOUBOR] [--workbook SOUBOR] [--period N] [--backend file|libreoffice]\n"
    "  [--output SOUBOR] [--report SOUBOR|-] [--strict]\n"
    "  kalkora-cli --restore-backup SEŠIT\n"
    "  kalkora-cli --help | --version\n";

}  // namespace kalkora
