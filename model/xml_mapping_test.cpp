#include "model/xml_mapping.h"

#include <gtest/gtest.h>

#include "testing/xml_flags_text.h"

namespace kalkora {

using P = XmlPart;

TEST(XmlMapping, SettingEveryFlagInOrderLeavesTheRulesResult) {
  Parameters p;
  EXPECT_EQ(setXmlFlagsText(p), "1");
  for (int n = 1; n <= kXmlPartCount; ++n) setXmlFlag(p, static_cast<P>(n), true);
  EXPECT_EQ(setXmlFlagsText(p), "1 6 7 8 9 10 11");
}

TEST(XmlMapping, AccountChoicesExcludeEachOther) {
  Parameters p;
  setXmlFlag(p, P::AccountElement, true);
  setXmlFlag(p, P::ItemAccountAttribute, true);
  EXPECT_EQ(setXmlFlagsText(p), "1 6 7");

  setXmlFlag(p, P::ParentAccountAttribute, true);
  EXPECT_EQ(setXmlFlagsText(p), "1 3 6");

  // Clearing runs no rule.
  setXmlFlag(p, P::ParentElement, false);
  EXPECT_EQ(setXmlFlagsText(p), "3 6");
  // A rule's own change runs its rule: the item element brings the parent back.
  setXmlFlag(p, P::ItemElement, false);
  setXmlFlag(p, P::AmountAttribute, true);
  EXPECT_EQ(setXmlFlagsText(p), "1 3 6 8");
}

TEST(XmlMapping, AnAmountIsAnElementOrAnAttribute) {
  Parameters p;
  setXmlFlag(p, P::AmountAttribute, true);
  setXmlFlag(p, P::AmountElement, true);
  EXPECT_EQ(setXmlFlagsText(p), "1 4 6");
  setXmlFlag(p, P::SecondAmountAttribute, true);
  setXmlFlag(p, P::SecondAmountElement, true);
  EXPECT_EQ(setXmlFlagsText(p), "1 4 5 6");
}

TEST(XmlMapping, NameBoxesDriveTheirFlags) {
  Parameters p;
  p.Edit13 = "zustatek";
  setXmlFlag(p, P::AmountElement, true);
  setXmlName(p, P::AmountAttribute, "c");
  EXPECT_EQ(setXmlFlagsText(p), "1 6 8");
  EXPECT_EQ(p.Edit20, "c");
  EXPECT_EQ(p.Edit13, "zustatek");  // a rule leaves the names alone

  setXmlName(p, P::ItemElement, "polozka");
  setXmlName(p, P::ItemElement, "");
  EXPECT_EQ(setXmlFlagsText(p), "1 8");

  // The same text again is no change: the cleared flag stays cleared.
  setXmlFlag(p, P::AmountAttribute, false);
  setXmlName(p, P::AmountAttribute, "c");
  EXPECT_EQ(setXmlFlagsText(p), "1");
  EXPECT_EQ(xmlPartOfNameControl("Edit23"), 11);
  EXPECT_EQ(xmlPartOfFlagControl("CheckBox12"), 0);
}

}  // namespace kalkora
