#include "app/settings_keys.h"

#include <algorithm>
#include <cctype>

#include "model/xml_mapping.h"
#include "platform/number.h"

namespace kalkora {
namespace {

using T = SettingKey::Type;
// The items of "Vybrat typ výkazu:" on the tab "Výkaz P 5-01", the only radio group the file keeps.
constexpr long long kSbsTypeCount = 5;
constexpr SettingKey kKeys[] = {
    {kPathsSection, "CestakFA", T::Text, "Edit4", ""},
    {kPathsSection, "CestakSouboru", T::Text, "Edit3", ""},
    {kPathsSection, "CestakRozvaze", T::Text, "Edit24", ""},
    {kPathsSection, "CestakVysledovce", T::Text, "Edit25", ""},
    {kParametersSection, "Oddelovac", T::Text, "Edit2", ";"},
    {kParametersSection, "Ucet", T::Count, "Edit5", "0"},
    {kParametersSection, "Castka", T::Count, "Edit6", "0"},
    {kParametersSection, "PrvniRadek", T::Count, "Edit7", "1"},
    {kParametersSection, "KoeficientCSV", T::Text, "Edit8", ""},
    {kParametersSection, "KoeficientXML", T::Text, "Edit14", ""},
    {kParametersSection, "PocetCislic", T::Count, "Edit9", "0"},
    {kParametersSection, "Castka2", T::Count, "Edit15", "0"},
    {kParametersSection, "PocatecniElement", T::Text, "Edit11", ""},
    {kParametersSection, "ElementUcet", T::Text, "Edit12", ""},
    {kParametersSection, "ElementCastka", T::Text, "Edit13", ""},
    {kParametersSection, "ElementCastka2", T::Text, "Edit16", ""},
    {kParametersSection, "ElementPrvku", T::Text, "Edit17", ""},
    {kParametersSection, "ElementUcetElement", T::Text, "Edit18", ""},
    {kParametersSection, "AtributUcet", T::Text, "Edit19", ""},
    {kParametersSection, "AtributCastka", T::Text, "Edit20", ""},
    {kParametersSection, "AtributCastka2", T::Text, "Edit21", ""},
    {kParametersSection, "PrvniElement", T::Text, "Edit22", ""},
    {kParametersSection, "DruhyElement", T::Text, "Edit23", ""},
    {kParametersSection, "OddelovacVykaz", T::Text, "Edit26", ";"},
    {kParametersSection, "CastkaVykaz", T::Count, "Edit27", "0"},
    {kParametersSection, "PrvniRadekAktiva", T::Count, "Edit28", "1"},
    {kParametersSection, "PrvniRadekPasiva", T::Count, "Edit29", "1"},
    {kParametersSection, "PrvniRadekVysledovka", T::Count, "Edit30", "1"},
    {kParametersSection, "KoeficientVykaz", T::Text, "Edit31", ""},
    {kParametersSection, "KoeficientVykazRUZ", T::Text, "Edit34", ""},
    {kParametersSection, "KoeficientVykazMF", T::Text, "Edit37", ""},
    {kParametersSection, "CheckBox12", T::Flag, "CheckBox12", "1"},
    {kParametersSection, "OddelovacSBS", T::Text, "Edit42", ";"},
    {kParametersSection, "TextVykazSBS", T::Count, "Edit43", "0"},
    {kParametersSection, "OznaceniVykazSBS", T::Count, "Edit44", "0"},
    {kParametersSection, "CastkaVykazSBS", T::Count, "Edit45", "0"},
    {kParametersSection, "PrvniRadekRozvahaSBS", T::Count, "Edit46", "1"},
    {kParametersSection, "PrvniRadekVysledovkaSBS", T::Count, "Edit47", "1"},
    {kParametersSection, "AktivniRadioButtonSBS", T::Integer, "RadioGroup2", "1"},
    {kParametersSection, "CheckBox1", T::Flag, "CheckBox1", "1"},
    {kParametersSection, "CheckBox2", T::Flag, "CheckBox2", "1"},
    {kParametersSection, "CheckBox3", T::Flag, "CheckBox3", "1"},
    {kParametersSection, "CheckBox4", T::Flag, "CheckBox4", "1"},
    {kParametersSection, "CheckBox5", T::Flag, "CheckBox5", "1"},
    {kParametersSection, "CheckBox6", T::Flag, "CheckBox6", "1"},
    {kParametersSection, "CheckBox7", T::Flag, "CheckBox7", "1"},
    {kParametersSection, "CheckBox8", T::Flag, "CheckBox8", "1"},
    {kParametersSection, "CheckBox9", T::Flag, "CheckBox9", "1"},
    {kParametersSection, "CheckBox10", T::Flag, "CheckBox10", "1"},
    {kParametersSection, "CheckBox11", T::Flag, "CheckBox11", "1"},
    {kParametersSection, "CastkaMDminusD", T::Flag, "CheckBox17", "0"},
};

bool equalsIgnoreCase(const std::string& a, const char* b) {
  const std::string_view bv(b);
  return a.size() == bv.size() && std::equal(a.begin(), a.end(), bv.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::span<const SettingKey> settingKeys() { return kKeys; }

const SettingKey* findSettingKey(const std::string& key) {
  for (const auto& k : kKeys)
    if (equalsIgnoreCase(key, k.key)) return &k;
  return nullptr;
}

bool applySetting(Parameters& p, const SettingKey& key, const std::string& value) {
  if (key.type == SettingKey::Type::Text || key.type == SettingKey::Type::Count) {
    if (const int part = xmlPartOfNameControl(key.control)) {
      setXmlName(p, static_cast<XmlPart>(part), value);
      return true;
    }
    *textControl(p, key.control) = value;
    const std::string control = key.control;
    if (control == "Edit4") p.workbookPath = value;
    if (control == "Edit24") p.balanceDefinitionPath = value;
    if (control == "Edit25") p.incomeDefinitionPath = value;
    return true;
  }
  const auto number = parseInteger(value);
  if (!number) return false;
  if (key.type == SettingKey::Type::Flag) {
    if (const int part = xmlPartOfFlagControl(key.control))
      setXmlFlag(p, static_cast<XmlPart>(part), *number != 0);
    else
      *flagControl(p, key.control) = *number != 0;
  } else {
    // A radio group takes no index beyond its items; "none" is -1.
    *indexControl(p, key.control) = static_cast<int>(std::clamp<long long>(*number, -1, kSbsTypeCount - 1));
  }
  return true;
}

std::string settingValue(const Parameters& p, const SettingKey& key) {
  auto& params = const_cast<Parameters&>(p);
  switch (key.type) {
    case SettingKey::Type::Text:
    case SettingKey::Type::Count: return *textControl(params, key.control);
    case SettingKey::Type::Flag: return *flagControl(params, key.control) ? "1" : "0";
    case SettingKey::Type::Integer: return std::to_string(*indexControl(params, key.control));
  }
  return {};
}

}  // namespace kalkora
