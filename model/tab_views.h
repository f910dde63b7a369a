#pragma once
#include <string>

#include "model/parameters.h"

namespace kalkora {

// Named views over Parameters, one per mode tab: a reader reads its tab's
// boxes by what they mean, while Parameters keeps the control names that the
// settings file, the window and kalkora-cli's --set use. Each view refers to
// the Parameters it was made from, so a reader that corrects a box (a first
// row of "0" shown as "1") or fills one (the company name) changes the box.

// Tab "Csv soubor obratů".
struct CsvTurnoverTab {
  std::string& separator;           // Edit2
  std::string& accountColumn;       // Edit5
  std::string& amountColumn;        // Edit6
  std::string& firstRow;            // Edit7
  std::string& coefficient;         // Edit8
  std::string& accountDigits;       // Edit9: leading zeros added up to this many digits
  std::string& secondAmountColumn;  // Edit15
};
inline CsvTurnoverTab csvTurnoverTab(Parameters& p) {
  return {p.Edit2, p.Edit5, p.Edit6, p.Edit7, p.Edit8, p.Edit9, p.Edit15};
}

// Tab "Xml soubor obratů", beside its XML mapping (model/xml_mapping.h).
struct XmlTurnoverTab {
  std::string& coefficient;  // Edit14
};
inline XmlTurnoverTab xmlTurnoverTab(Parameters& p) { return {p.Edit14}; }

// Tab "Csv soubor výkazů". Its coefficient also scales the P 5-01 report.
struct CsvStatementTab {
  std::string& separator;            // Edit26
  std::string& amountColumn;         // Edit27
  std::string& assetsFirstRow;       // Edit28
  std::string& liabilitiesFirstRow;  // Edit29
  std::string& incomeFirstRow;       // Edit30
  std::string& coefficient;          // Edit31
  bool& sumLines;                    // CheckBox12
  int& statementType;                // RadioGroup1, -1 for none chosen
};
inline CsvStatementTab csvStatementTab(Parameters& p) {
  return {p.Edit26, p.Edit27, p.Edit28, p.Edit29, p.Edit30, p.Edit31, p.CheckBox12, p.RadioGroup1};
}

// Tab "RUZ".
struct RuzTab {
  std::string& coefficient;  // Edit34
  bool& sumLines;            // CheckBox13
  bool& clearPeriod;         // CheckBox15
  std::string& companyName;  // Edit35, filled by the reader
  std::string& year;         // Edit36, filled by the reader
};
inline RuzTab ruzTab(Parameters& p) { return {p.Edit34, p.CheckBox13, p.CheckBox15, p.Edit35, p.Edit36}; }

// Tab "Daňový portál MF".
struct TaxReturnTab {
  int& form;                  // RadioGroup3: 0 "DPPDP8", 1 "DPPDP9"
  std::string& coefficient;   // Edit37
  bool& sumLines;             // CheckBox14
  bool& clearPeriod;          // CheckBox16
  std::string& companyName;   // Edit38, filled by the reader
  std::string& year;          // Edit39, filled by the reader
  std::string& balanceLines;  // Edit40, filled by the reader
  std::string& incomeLines;   // Edit41, filled by the reader
};
inline TaxReturnTab taxReturnTab(Parameters& p) {
  return {p.RadioGroup3, p.Edit37, p.CheckBox14, p.CheckBox16, p.Edit38, p.Edit39, p.Edit40, p.Edit41};
}

// Tab "Výkaz P 5-01". Its settings keys are named crosswise ("TextVykazSBS"
// holds the amount column, "PrvniRadekRozvahaSBS" the income first row); the
// names here follow the boxes' captions, which say what the reader does.
struct P501Tab {
  std::string& separator;        // Edit42
  std::string& amountColumn;     // Edit43
  std::string& textColumn;       // Edit44
  std::string& markingColumn;    // Edit45
  std::string& incomeFirstRow;   // Edit46
  std::string& balanceFirstRow;  // Edit47
  int& reportType;               // RadioGroup2, -1 for none chosen
};
inline P501Tab p501Tab(Parameters& p) {
  return {p.Edit42, p.Edit43, p.Edit44, p.Edit45, p.Edit46, p.Edit47, p.RadioGroup2};
}

}  // namespace kalkora
