#pragma once
#include <string>
#include <type_traits>

#include "model/parameters.h"

namespace kalkora {

// Named views over Parameters, one per mode tab: a reader reads its tab's
// boxes by what they mean, while Parameters keeps the control names that the
// settings file, the window and kalkora-cli's --set use. Each view refers to
// the Parameters it was made from, so a reader that corrects a box (a first
// row of "0" shown as "1") or fills one (the company name) changes the box;
// made from a const Parameters (an export's), it only reads.

// T, const when the Parameters P a view is made from are.
template <class T, class P>
using Box = std::conditional_t<std::is_const_v<P>, const T, T>;

// Tab "Csv soubor obratů".
template <class P>
struct CsvTurnoverTabOf {
  Box<std::string, P>& separator;           // Edit2
  Box<std::string, P>& accountColumn;       // Edit5
  Box<std::string, P>& amountColumn;        // Edit6
  Box<std::string, P>& firstRow;            // Edit7
  Box<std::string, P>& coefficient;         // Edit8
  Box<std::string, P>& accountDigits;       // Edit9: leading zeros added up to this many digits
  Box<std::string, P>& secondAmountColumn;  // Edit15
  Box<bool, P>& debitMinusCredit;           // CheckBox17: first amount column minus the second ("MD − D")
};
using CsvTurnoverTab = CsvTurnoverTabOf<Parameters>;
template <class P>
CsvTurnoverTabOf<P> csvTurnoverTab(P& p) {
  return {p.Edit2, p.Edit5, p.Edit6, p.Edit7, p.Edit8, p.Edit9, p.Edit15, p.CheckBox17};
}

// Tab "Xml soubor obratů", beside its XML mapping (model/xml_mapping.h).
template <class P>
struct XmlTurnoverTabOf {
  Box<std::string, P>& coefficient;  // Edit14
};
using XmlTurnoverTab = XmlTurnoverTabOf<Parameters>;
template <class P>
XmlTurnoverTabOf<P> xmlTurnoverTab(P& p) {
  return {p.Edit14};
}

// Tab "Csv soubor výkazů". Its coefficient also scales the P 5-01 report.
template <class P>
struct CsvStatementTabOf {
  Box<std::string, P>& separator;            // Edit26
  Box<std::string, P>& amountColumn;         // Edit27
  Box<std::string, P>& assetsFirstRow;       // Edit28
  Box<std::string, P>& liabilitiesFirstRow;  // Edit29
  Box<std::string, P>& incomeFirstRow;       // Edit30
  Box<std::string, P>& coefficient;          // Edit31
  Box<bool, P>& sumLines;                    // CheckBox12
  Box<int, P>& statementType;                // RadioGroup1, -1 for none chosen
};
using CsvStatementTab = CsvStatementTabOf<Parameters>;
template <class P>
CsvStatementTabOf<P> csvStatementTab(P& p) {
  return {p.Edit26, p.Edit27, p.Edit28, p.Edit29, p.Edit30, p.Edit31, p.CheckBox12, p.RadioGroup1};
}

// Tab "RUZ".
template <class P>
struct RuzTabOf {
  Box<std::string, P>& coefficient;  // Edit34
  Box<bool, P>& sumLines;            // CheckBox13
  Box<bool, P>& clearPeriod;         // CheckBox15
  Box<std::string, P>& companyName;  // Edit35, filled by the reader
  Box<std::string, P>& year;         // Edit36, filled by the reader
};
using RuzTab = RuzTabOf<Parameters>;
template <class P>
RuzTabOf<P> ruzTab(P& p) {
  return {p.Edit34, p.CheckBox13, p.CheckBox15, p.Edit35, p.Edit36};
}

// Tab "Daňový portál MF".
template <class P>
struct TaxReturnTabOf {
  Box<int, P>& form;                  // RadioGroup3: 0 "DPPDP8", 1 "DPPDP9"
  Box<std::string, P>& coefficient;   // Edit37
  Box<bool, P>& sumLines;             // CheckBox14
  Box<bool, P>& clearPeriod;          // CheckBox16
  Box<std::string, P>& companyName;   // Edit38, filled by the reader
  Box<std::string, P>& year;          // Edit39, filled by the reader
  Box<std::string, P>& balanceLines;  // Edit40, filled by the reader
  Box<std::string, P>& incomeLines;   // Edit41, filled by the reader
};
using TaxReturnTab = TaxReturnTabOf<Parameters>;
template <class P>
TaxReturnTabOf<P> taxReturnTab(P& p) {
  return {p.RadioGroup3, p.Edit37, p.CheckBox14, p.CheckBox16, p.Edit38, p.Edit39, p.Edit40, p.Edit41};
}

// Tab "Výkaz P 5-01". Its settings keys are named crosswise ("TextVykazSBS"
// holds the amount column, "PrvniRadekRozvahaSBS" the income first row); the
// names here follow the boxes' captions, which say what the reader does.
template <class P>
struct P501TabOf {
  Box<std::string, P>& separator;        // Edit42
  Box<std::string, P>& amountColumn;     // Edit43
  Box<std::string, P>& textColumn;       // Edit44
  Box<std::string, P>& markingColumn;    // Edit45
  Box<std::string, P>& incomeFirstRow;   // Edit46
  Box<std::string, P>& balanceFirstRow;  // Edit47
  Box<int, P>& reportType;               // RadioGroup2, -1 for none chosen
};
using P501Tab = P501TabOf<Parameters>;
template <class P>
P501TabOf<P> p501Tab(P& p) {
  return {p.Edit42, p.Edit43, p.Edit44, p.Edit45, p.Edit46, p.Edit47, p.RadioGroup2};
}

}  // namespace kalkora
