#include "model/xml_mapping.h"

#include <vector>

namespace kalkora {
namespace {

using P = XmlPart;

constexpr const char* kNameControls[kXmlPartCount] = {
    "Edit11", "Edit12", "Edit18", "Edit13", "Edit16", "Edit17", "Edit19", "Edit20", "Edit21", "Edit22", "Edit23",
};

size_t index(XmlPart part) { return static_cast<size_t>(part) - 1; }

struct Change {
  XmlPart part;
  bool set;
};

// What becomes of the other flags when a part's flag becomes set, in order.
std::vector<Change> ruleOf(XmlPart part) {
  switch (part) {
    case P::AccountElement:
      return {{P::ParentElement, true}, {P::ParentAccountAttribute, false}, {P::ItemAccountAttribute, false}};
    case P::ParentAccountAttribute:
      return {{P::ParentElement, true}, {P::AccountElement, false}, {P::ItemAccountAttribute, false}};
    case P::ItemAccountAttribute:
      return {{P::ItemElement, true},
              {P::ParentElement, true},
              {P::AccountElement, false},
              {P::ParentAccountAttribute, false}};
    case P::AmountElement: return {{P::ParentElement, true}, {P::AmountAttribute, false}};
    case P::AmountAttribute: return {{P::ItemElement, true}, {P::ParentElement, true}, {P::AmountElement, false}};
    case P::SecondAmountElement: return {{P::ParentElement, true}, {P::SecondAmountAttribute, false}};
    case P::SecondAmountAttribute:
      return {{P::ItemElement, true}, {P::ParentElement, true}, {P::SecondAmountElement, false}};
    case P::ItemElement: return {{P::ParentElement, true}};
    case P::ParentElement:
    case P::PrecedingElement:
    case P::RootElement: return {};
  }
  return {};
}

}  // namespace

const char* xmlNameControl(XmlPart part) { return kNameControls[index(part)]; }

int xmlPartOfNameControl(const std::string& control) {
  for (int i = 0; i < kXmlPartCount; ++i)
    if (control == kNameControls[i]) return i + 1;
  return 0;
}

int xmlPartOfFlagControl(const std::string& control) {
  for (int i = 1; i <= kXmlPartCount; ++i)
    if (control == "CheckBox" + std::to_string(i)) return i;
  return 0;
}

bool xmlFlag(const Parameters& p, XmlPart part) { return p.xmlFlags[index(part)]; }

std::string& xmlName(Parameters& p, XmlPart part) { return *textControl(p, xmlNameControl(part)); }

const std::string& xmlName(const Parameters& p, XmlPart part) {
  return xmlName(const_cast<Parameters&>(p), part);
}

void setXmlFlag(Parameters& p, XmlPart part, bool set) {
  bool& flag = p.xmlFlags[index(part)];
  if (flag == set) return;
  flag = set;
  if (!set) return;
  for (const Change& change : ruleOf(part)) setXmlFlag(p, change.part, change.set);
}

void setXmlName(Parameters& p, XmlPart part, const std::string& text) {
  std::string& name = xmlName(p, part);
  if (name == text) return;
  name = text;
  setXmlFlag(p, part, !text.empty());
}

}  // namespace kalkora
