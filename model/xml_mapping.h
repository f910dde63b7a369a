#pragma once
#include <string>

#include "model/parameters.h"

namespace kalkora {

// The settings of the tab "Xml soubor obratů": eleven parts of an XML shape,
// each a flag (CheckBoxN, the enum's value) and a name box. The flags live
// in Parameters::xmlFlags[N - 1], the names in the Edit boxes below.
enum class XmlPart {
  ParentElement = 1,           // CheckBox1,  Edit11
  AccountElement = 2,          // CheckBox2,  Edit12
  ParentAccountAttribute = 3,  // CheckBox3,  Edit18
  AmountElement = 4,           // CheckBox4,  Edit13
  SecondAmountElement = 5,     // CheckBox5,  Edit16
  ItemElement = 6,             // CheckBox6,  Edit17
  ItemAccountAttribute = 7,    // CheckBox7,  Edit19
  AmountAttribute = 8,         // CheckBox8,  Edit20
  SecondAmountAttribute = 9,   // CheckBox9,  Edit21
  PrecedingElement = 10,       // CheckBox10, Edit22
  RootElement = 11,            // CheckBox11, Edit23
};

inline constexpr int kXmlPartCount = 11;

// The name box of a part ("Edit11" for the parent element).
const char* xmlNameControl(XmlPart part);
// The part whose name box ("Edit11") or flag ("CheckBox1") is `control`, 0 for none.
int xmlPartOfNameControl(const std::string& control);
int xmlPartOfFlagControl(const std::string& control);

bool xmlFlag(const Parameters& p, XmlPart part);
std::string& xmlName(Parameters& p, XmlPart part);
const std::string& xmlName(const Parameters& p, XmlPart part);

// A flag change as the user's click makes it: a change from clear to set
// runs the part's rule, whose own changes run their rules in turn, so the
// three account choices exclude each other, each amount is an element or an
// attribute, and an attribute of the values brings the item element with it.
// Clearing runs no rule.
void setXmlFlag(Parameters& p, XmlPart part, bool set);

// A name box change as typing makes it: the flag follows whether the text is
// empty. Setting the text it already holds is no change.
void setXmlName(Parameters& p, XmlPart part, const std::string& text);

}  // namespace kalkora
