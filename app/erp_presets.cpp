#include "app/erp_presets.h"

#include "model/xml_mapping.h"

namespace kalkora {
namespace {

constexpr ErpPreset kPresets[] = {
    {"Label47", "ABRA Gen", "ABRA", false},  {"Label48", "Money S3", "MONEY", true},
    {"Label49", "Dynamics AX", "MDAX", true}, {"Label50", "FlexiBee", "FBEE", false},
    {"Label51", "AdmWin", "AWIN", false},    {"Label52", "Duel", "DUEL", false},
    {"Label53", "Stereo", "STEREO", false},  {"Label54", "MRP", "MRP", false},
    {"Label55", "Pohoda", "POHODA", false},
};

struct TextKey {
  const char* key;
  std::string Parameters::*box;
  const char* fallback;
};

constexpr TextKey kTabOneKeys[] = {
    {"Oddelovac", &Parameters::Edit2, ";"}, {"Ucet", &Parameters::Edit5, "0"},
    {"Castka", &Parameters::Edit6, "0"},    {"PrvniRadek", &Parameters::Edit7, "1"},
};
constexpr TextKey kTabOneKeysAfterCoefficients[] = {
    {"PocetCislic", &Parameters::Edit9, "0"},
    {"Castka2", &Parameters::Edit15, "0"},
};

// The XML names in the order the preset sets them.
struct NameKey {
  const char* key;
  XmlPart part;
};
constexpr NameKey kXmlNameKeys[] = {
    {"PocatecniElement", XmlPart::ParentElement},     {"ElementUcet", XmlPart::AccountElement},
    {"ElementCastka", XmlPart::AmountElement},        {"ElementCastka2", XmlPart::SecondAmountElement},
    {"ElementPrvku", XmlPart::ItemElement},           {"ElementUcetElement", XmlPart::ParentAccountAttribute},
    {"AtributUcet", XmlPart::ItemAccountAttribute},   {"AtributCastka", XmlPart::AmountAttribute},
    {"AtributCastka2", XmlPart::SecondAmountAttribute}, {"PrvniElement", XmlPart::PrecedingElement},
    {"DruhyElement", XmlPart::RootElement},
};

}  // namespace

std::span<const ErpPreset> erpPresets() { return kPresets; }

const ErpPreset* findErpPreset(const std::string& section) {
  for (const ErpPreset& preset : kPresets)
    if (section == preset.section) return &preset;
  return nullptr;
}

int applyErpPreset(const IniFile& ini, const ErpPreset& preset, Workspace& ws) {
  const std::string section = preset.section;
  const auto key = [&](const char* name) { return section + "." + name; };
  Parameters& p = ws.params;

  // A value outside 1..6 names no reader and no exporter: it acts as mode 0.
  const long long mode = ini.readInteger(section, key("AktivniList"), 1);
  ws.mode = mode >= 1 && mode <= 6 ? static_cast<int>(mode) : 0;
  for (const TextKey& k : kTabOneKeys) p.*k.box = ini.readString(section, key(k.key), k.fallback);
  p.Edit8.clear();
  p.Edit14.clear();
  for (const TextKey& k : kTabOneKeysAfterCoefficients) p.*k.box = ini.readString(section, key(k.key), k.fallback);
  // A preset's second amount column is a fallback unless the preset says
  // otherwise: "MD − D" left on from another system would subtract it.
  p.CheckBox17 = ini.readFlag(section, key("CastkaMDminusD"), false);

  if (preset.withXml) {
    for (const NameKey& k : kXmlNameKeys) setXmlName(p, k.part, ini.readString(section, key(k.key), ""));
    for (int n = 1; n <= kXmlPartCount; ++n)
      setXmlFlag(p, static_cast<XmlPart>(n), ini.readFlag(section, key(("CheckBox" + std::to_string(n)).c_str()), true));
  }
  return ws.mode == 1 || ws.mode == 2 ? ws.mode : 0;
}

}  // namespace kalkora
