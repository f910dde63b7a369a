#include "app/erp_presets.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/settings_keys.h"
#include "platform/operation_stopped.h"

namespace kalkora {
namespace {

using ::testing::StrEq;
using ::testing::ThrowsMessage;

Workspace filledWorkspace() {
  Workspace ws;
  ws.mode = ImportMode::CsvStatement;
  Parameters& p = ws.params;
  p.Edit1 = "4";
  p.Edit3 = "zdroj.xml";
  p.Edit2 = "|";
  p.Edit8 = "0,5";
  p.Edit14 = "2";
  p.Edit9 = "6";
  p.Edit11 = "ucet";
  p.Edit12 = "cislo";
  p.xmlFlags = {true, true};
  ws.table.setCell(1, 1, "311");
  return ws;
}

}  // namespace

// A settings file without the system's section holds nothing for it: the
// user's parameters stay as they are, and the notice says why.
TEST(ErpPresets, AMissingSectionChangesNothingAndSaysSo) {
  const IniFile ini = IniFile::parse("[MONEY]\r\nMONEY.Ucet=4\r\n");
  const Workspace before = filledWorkspace();
  Workspace ws = before;
  EXPECT_THAT([&] { applyErpPreset(ini, *findErpPreset("ABRA"), ws); },
              ThrowsMessage<OperationStopped>(StrEq("Nastavení pro ERP systém ABRA Gen v souboru nastavení chybí "
                                                    "(oddíl [ABRA]). Parametry importu zůstaly beze změny.")));
  EXPECT_EQ(ws.mode, before.mode);
  for (const SettingKey& key : settingKeys())
    EXPECT_EQ(settingValue(ws.params, key), settingValue(before.params, key)) << key.key;
}

TEST(ErpPresets, MissingKeysGiveTheDefaults) {
  const IniFile ini = IniFile::parse("[ABRA]\r\n[MONEY]\r\n");
  Workspace ws = filledWorkspace();
  EXPECT_EQ(applyErpPreset(ini, *findErpPreset("ABRA"), ws), ImportMode::CsvTurnovers);  // ABRA Gen
  const Parameters& p = ws.params;
  EXPECT_EQ(ws.mode, ImportMode::CsvTurnovers);
  EXPECT_EQ(p.Edit2, ";");
  EXPECT_EQ(p.Edit5, "0");
  EXPECT_EQ(p.Edit7, "1");
  EXPECT_EQ(p.Edit8, "");
  EXPECT_EQ(p.Edit14, "");
  EXPECT_EQ(p.Edit9, "0");
  EXPECT_EQ(p.Edit15, "0");
  EXPECT_EQ(p.Edit12, "cislo");  // a CSV preset leaves the XML settings alone
  EXPECT_TRUE(p.xmlFlags[1]);
  EXPECT_EQ(p.Edit1, "4");
  EXPECT_EQ(p.Edit3, "zdroj.xml");
  EXPECT_EQ(ws.table.cell(1, 1), "311");

  Workspace money = filledWorkspace();
  applyErpPreset(ini, *findErpPreset("MONEY"), money);
  EXPECT_EQ(money.params.Edit11, "");
  EXPECT_EQ(money.params.Edit12, "");
  EXPECT_EQ(money.params.xmlFlags, (std::array<bool, 11>{true, false, false, false, false, true, true, true, true,
                                                          true, true}));
}

TEST(ErpPresets, ValuesComeFromTheSectionsKeys) {
  const IniFile ini = IniFile::parse(
      "[POHODA]\r\nPOHODA.AktivniList=2\r\nPOHODA.Castka2=5\r\nPOHODA.CastkaMDminusD=1\r\n"
      "POHODA.ElementUcet=ignored\r\n"
      "[MDAX]\r\nmdax.aktivnilist=7\r\nMDAX.Ucet=2\r\nMDAX.PocatecniElement=Row\r\nMDAX.ElementPrvku=Item\r\n"
      "MDAX.AtributUcet=acc\r\nMDAX.AtributCastka=amt\r\nMDAX.CheckBox10=0\r\nMDAX.CheckBox11=0\r\n"
      "MDAX.CheckBox4=0\r\nMDAX.CheckBox5=0\r\nMDAX.CheckBox2=0\r\nMDAX.CheckBox3=0\r\n");
  Workspace ws = filledWorkspace();
  EXPECT_EQ(applyErpPreset(ini, *findErpPreset("POHODA"), ws), ImportMode::XmlTurnovers);
  EXPECT_EQ(ws.mode, ImportMode::XmlTurnovers);
  EXPECT_EQ(ws.params.Edit15, "5");
  EXPECT_TRUE(ws.params.CheckBox17);
  EXPECT_EQ(ws.params.Edit12, "cislo");

  EXPECT_EQ(applyErpPreset(ini, *findErpPreset("MDAX"), ws), ImportMode::None);
  EXPECT_EQ(ws.mode, ImportMode::None);  // names no reader: the shown tab stays
  EXPECT_EQ(ws.params.Edit5, "2");
  EXPECT_FALSE(ws.params.CheckBox17);  // a second column of another system is no credit column here
  EXPECT_EQ(ws.params.Edit11, "Row");
  EXPECT_EQ(ws.params.Edit19, "acc");
  EXPECT_EQ(ws.params.xmlFlags, (std::array<bool, 11>{true, false, false, false, false, true, true, true, true,
                                                       false, false}));
  EXPECT_EQ(erpPresets().size(), 9u);
  EXPECT_EQ(findErpPreset("Label47"), nullptr);
}

}  // namespace kalkora
