#pragma once
#include <array>
#include <string>

namespace kalkora {

// The texts and states of the main window's controls that the readers and
// exporters read, named as the controls are. The window copies its controls
// into this before an operation and back after it; kalkora-cli fills it from
// the settings file and its options. Defaults are the window's design values.
struct Parameters {
  // Path boxes. Edit3 is the source file path itself; Edit4 shows the target
  // workbook path; Edit24/Edit25 show the definition paths but accept typing,
  // so the paths the program works with are held apart.
  std::string Edit3, Edit4, Edit24, Edit25;
  std::string workbookPath, balanceDefinitionPath, incomeDefinitionPath;

  std::string Edit1 = "0";             // period number
  std::string Edit10 = "C:\\test.csv";  // control CSV path

  // Tab 1 "Csv soubor obratů"
  std::string Edit2 = ";", Edit5 = "0", Edit6 = "0", Edit7 = "1", Edit8, Edit9 = "0", Edit15 = "0";
  bool CheckBox17 = false;  // the amount is the first amount column minus the second

  // Tab 2 "Xml soubor obratů": element and attribute names, coefficient, flags
  std::string Edit11, Edit12, Edit13, Edit14, Edit16, Edit17, Edit18, Edit19, Edit20, Edit21, Edit22, Edit23;
  std::array<bool, 11> xmlFlags{true};  // CheckBox1 .. CheckBox11; only the parent element is set

  // Tab 3 "Csv soubor výkazů"
  std::string Edit26 = ";", Edit27 = "0", Edit28 = "0", Edit29 = "0", Edit30 = "0", Edit31 = "0";
  bool CheckBox12 = false;
  int RadioGroup1 = -1;

  // Tab 4 "RUZ"
  std::string Edit34;
  bool CheckBox13 = false, CheckBox15 = false;
  std::string Edit35, Edit36;  // filled by the reader

  // Tab 5 "Daňový portál MF"
  int RadioGroup3 = 0;  // 0 "DPPDP8", 1 "DPPDP9"
  std::string Edit37;
  bool CheckBox14 = true, CheckBox16 = false;
  std::string Edit38, Edit39, Edit40, Edit41;  // filled by the reader

  // Tab 6 "Výkaz P 5-01"
  std::string Edit42 = ";", Edit43 = "0", Edit44 = "0", Edit45 = "0", Edit46 = "0", Edit47 = "0";
  int RadioGroup2 = -1;
};

// Text controls by object name, so the window, the settings file and
// kalkora-cli's --set share one list. nullptr for an unknown name.
std::string* textControl(Parameters& p, const std::string& name);
bool* flagControl(Parameters& p, const std::string& name);  // CheckBox1..17
int* indexControl(Parameters& p, const std::string& name);  // RadioGroup1..3

}  // namespace kalkora
