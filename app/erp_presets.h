#pragma once
#include <span>
#include <string>

#include "model/workspace.h"
#include "platform/ini_file.h"

namespace kalkora {

// A system name under the mode tabs; a click fills the turnover parameters
// from the system's section of the settings file.
struct ErpPreset {
  const char* label;    // object name of the label
  const char* caption;  // the system's name as shown
  const char* section;  // section of the settings file; its keys are "<section>.<key>"
  bool withXml;         // the preset also fills the XML settings
};

// The nine systems, left to right, first line then second.
std::span<const ErpPreset> erpPresets();
// The preset of a section ("ABRA"), nullptr for none.
const ErpPreset* findErpPreset(const std::string& section);

// Applies a preset: the import mode, the boxes of tab 1 (the coefficients
// emptied, the XML one too) and, for the two XML systems, the XML names and
// flags through their rules, all by the settings keys of those tabs.
// Missing keys give the defaults; nothing is written. Returns the mode whose
// tab to show, the CSV or XML turnovers', or ImportMode::None to leave the
// shown tab.
//
// A settings file without the preset's section holds no values for that
// system: rather than overwrite the user's parameters with defaults, the
// preset changes nothing and stops with OperationStopped(presetMissingMessage).
ImportMode applyErpPreset(const IniFile& ini, const ErpPreset& preset, Workspace& ws);

// "Nastavení pro ERP systém ABRA Gen v souboru nastavení chybí ..."
std::string presetMissingMessage(const ErpPreset& preset);

}  // namespace kalkora
