#include "model/parameters.h"

#include <utility>

namespace kalkora {
namespace {

using TextMember = std::string Parameters::*;
constexpr std::pair<const char*, TextMember> kTexts[] = {
    {"Edit1", &Parameters::Edit1},   {"Edit2", &Parameters::Edit2},   {"Edit3", &Parameters::Edit3},
    {"Edit4", &Parameters::Edit4},   {"Edit5", &Parameters::Edit5},   {"Edit6", &Parameters::Edit6},
    {"Edit7", &Parameters::Edit7},   {"Edit8", &Parameters::Edit8},   {"Edit9", &Parameters::Edit9},
    {"Edit10", &Parameters::Edit10}, {"Edit11", &Parameters::Edit11}, {"Edit12", &Parameters::Edit12},
    {"Edit13", &Parameters::Edit13}, {"Edit14", &Parameters::Edit14}, {"Edit15", &Parameters::Edit15},
    {"Edit16", &Parameters::Edit16}, {"Edit17", &Parameters::Edit17}, {"Edit18", &Parameters::Edit18},
    {"Edit19", &Parameters::Edit19}, {"Edit20", &Parameters::Edit20}, {"Edit21", &Parameters::Edit21},
    {"Edit22", &Parameters::Edit22}, {"Edit23", &Parameters::Edit23}, {"Edit24", &Parameters::Edit24},
    {"Edit25", &Parameters::Edit25}, {"Edit26", &Parameters::Edit26}, {"Edit27", &Parameters::Edit27},
    {"Edit28", &Parameters::Edit28}, {"Edit29", &Parameters::Edit29}, {"Edit30", &Parameters::Edit30},
    {"Edit31", &Parameters::Edit31}, {"Edit34", &Parameters::Edit34}, {"Edit35", &Parameters::Edit35},
    {"Edit36", &Parameters::Edit36}, {"Edit37", &Parameters::Edit37}, {"Edit38", &Parameters::Edit38},
    {"Edit39", &Parameters::Edit39}, {"Edit40", &Parameters::Edit40}, {"Edit41", &Parameters::Edit41},
    {"Edit42", &Parameters::Edit42}, {"Edit43", &Parameters::Edit43}, {"Edit44", &Parameters::Edit44},
    {"Edit45", &Parameters::Edit45}, {"Edit46", &Parameters::Edit46}, {"Edit47", &Parameters::Edit47},
};

using FlagMember = bool Parameters::*;
constexpr std::pair<const char*, FlagMember> kFlags[] = {
    {"CheckBox12", &Parameters::CheckBox12}, {"CheckBox13", &Parameters::CheckBox13},
    {"CheckBox14", &Parameters::CheckBox14}, {"CheckBox15", &Parameters::CheckBox15},
    {"CheckBox16", &Parameters::CheckBox16}, {"CheckBox17", &Parameters::CheckBox17},
};

}  // namespace

std::string* textControl(Parameters& p, const std::string& name) {
  for (const auto& [n, member] : kTexts)
    if (name == n) return &(p.*member);
  return nullptr;
}

bool* flagControl(Parameters& p, const std::string& name) {
  for (const auto& [n, member] : kFlags)
    if (name == n) return &(p.*member);
  if (name.starts_with("CheckBox")) {
    const std::string number = name.substr(8);
    for (int i = 1; i <= 11; ++i)
      if (number == std::to_string(i)) return &p.xmlFlags[static_cast<size_t>(i - 1)];
  }
  return nullptr;
}

int* indexControl(Parameters& p, const std::string& name) {
  if (name == "RadioGroup1") return &p.RadioGroup1;
  if (name == "RadioGroup2") return &p.RadioGroup2;
  if (name == "RadioGroup3") return &p.RadioGroup3;
  return nullptr;
}

}  // namespace kalkora
