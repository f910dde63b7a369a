// Writes the small Kalkora-like workbooks of the example set, each with an
// introduction sheet, the balance sheet at position 2, "Výsledovky" at
// position 3 and an analysis sheet after them (the exports look for the
// income statement at positions 3 and 4, so a workbook needs four sheets),
// the line markings in column 6 and periods 1 to 3 in columns 7 to 9.
// TURNOVERS.xlsx takes the turnover examples: a condensed statement whose rows
// match examples/list_rozvaha.txt and examples/list_vysledovka.txt, sums as
// formulas.
// STATEMENTS.xlsx takes the Czech statement examples: the Czech layout of 2016
// in full, every line in its own row with its line number in column 6 (assets
// line n in row n + 6, liabilities line n in row n + 12, income statement line
// n in row n + 6). That is where Kalkora keeps them, and so where the P 5-01
// report's fixed target rows and the tax return's clearing rows point.
// STATEMENTS_SK.xlsx takes the Slovak register statement: the Slovak layout on
// "Súvahy netto" (assets line n in row n + 6, liabilities line n in row n + 11)
// and "Výsledovky" (line n in row n + 6), where the register export's clearing
// rows point.
//   make_example_workbook TURNOVERS.xlsx STATEMENTS.xlsx STATEMENTS_SK.xlsx
#include <xlsxwriter.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Line {
  int row;              // workbook row, from 1
  const char* marking;  // column 6
  const char* label;    // column 1
  const char* text;     // column 2
  std::string formula;  // for sum rows: a formula with "@" standing for the period column
};

const std::vector<Line> kBalanceSheet = {
    {5, "001", "", "AKTIVA CELKEM", "=@6+@7+@11+@16"},
    {6, "002", "A.", "Pohledávky za upsaný základní kapitál", ""},
    {7, "003", "B.", "Stálá aktiva", "=@8+@9+@10"},
    {8, "004", "B.I.", "Dlouhodobý nehmotný majetek", ""},
    {9, "014", "B.II.", "Dlouhodobý hmotný majetek", ""},
    {10, "027", "B.III.", "Dlouhodobý finanční majetek", ""},
    {11, "037", "C.", "Oběžná aktiva", "=@12+@13+@14+@15"},
    {12, "038", "C.I.", "Zásoby", ""},
    {13, "046", "C.II.", "Pohledávky", ""},
    {14, "071", "C.III.", "Krátkodobý finanční majetek", ""},
    {15, "075", "C.IV.", "Peněžní prostředky", ""},
    {16, "078", "D.", "Časové rozlišení aktiv", ""},
    {17, "079", "", "PASIVA CELKEM", "=@18+@24+@29"},
    {18, "080", "A.", "Vlastní kapitál", "=@19+@20+@21+@22+@23"},
    {19, "081", "A.I.", "Základní kapitál", ""},
    {20, "085", "A.II.", "Ážio a kapitálové fondy", ""},
    {21, "092", "A.III.", "Fondy ze zisku", ""},
    {22, "095", "A.IV.", "Výsledek hospodaření minulých let", ""},
    {23, "098", "A.V.", "Výsledek hospodaření běžného účetního období", ""},
    {24, "100", "B.+C.", "Cizí zdroje", "=@25+@26"},
    {25, "101", "B.", "Rezervy", ""},
    {26, "106", "C.", "Závazky", "=@27+@28"},
    {27, "107", "C.I.", "Dlouhodobé závazky", ""},
    {28, "122", "C.II.", "Krátkodobé závazky", ""},
    {29, "138", "D.", "Časové rozlišení pasiv", ""},
    {31, "", "", "Kontrola: aktiva - pasiva", "=@5-@17"},
};

const std::vector<Line> kIncomeStatement = {
    {5, "01", "I.", "Tržby z prodeje výrobků a služeb", ""},
    {6, "02", "II.", "Tržby za prodej zboží", ""},
    {7, "03", "A.", "Výkonová spotřeba", "=@8+@9+@10"},
    {8, "04", "A.1.", "Náklady vynaložené na prodané zboží", ""},
    {9, "05", "A.2.", "Spotřeba materiálu a energie", ""},
    {10, "06", "A.3.", "Služby", ""},
    {11, "07", "B.", "Změna stavu zásob vlastní činnosti", ""},
    {12, "08", "C.", "Aktivace", ""},
    {13, "09", "D.", "Osobní náklady", ""},
    {14, "14", "E.", "Úpravy hodnot v provozní oblasti", ""},
    {15, "20", "III.", "Ostatní provozní výnosy", ""},
    {16, "24", "F.", "Ostatní provozní náklady", ""},
    {17, "30", "*", "Provozní výsledek hospodaření", "=@5+@6-@7-@11-@12-@13-@14+@15-@16"},
    {18, "39", "VI.", "Výnosové úroky a podobné výnosy", ""},
    {19, "43", "J.", "Nákladové úroky a podobné náklady", ""},
    {20, "46", "VII.", "Ostatní finanční výnosy", ""},
    {21, "47", "K.", "Ostatní finanční náklady", ""},
    {22, "48", "*", "Finanční výsledek hospodaření", "=@18-@19+@20-@21"},
    {23, "49", "**", "Výsledek hospodaření před zdaněním", "=@17+@22"},
    {24, "50", "L.", "Daň z příjmů", ""},
    {25, "53", "**", "Výsledek hospodaření po zdanění", "=@23-@24"},
    {26, "55", "*", "Čistý obrat za účetní období", "=@5+@6+@15+@18+@20"},
};

constexpr int kPeriods = 3;

// One line of a statement layout: its number, its marking
// ("B.II.") and its text; sum lines are set in bold.
struct StatementLine {
  int line;
  const char* label;
  const char* text;
  bool sum;
};

// The Czech layout of 2016.
const std::vector<StatementLine> kAssets = {
    {1, "", "AKTIVA CELKEM", true},
    {2, "A.", "Pohledávky za upsaný základní kapitál", false},
    {3, "B.", "Stálá aktiva", true},
    {4, "B.I.", "Dlouhodobý nehmotný majetek", true},
    {5, "B.I.1.", "Nehmotné výsledky vývoje", false},
    {6, "B.I.2.", "Ocenitelná práva", true},
    {7, "B.I.2.1.", "Software", false},
    {8, "B.I.2.2.", "Ostatní ocenitelná práva", false},
    {9, "B.I.3.", "Goodwill", false},
    {10, "B.I.4.", "Ostatní dlouhodobý nehmotný majetek", false},
    {11, "B.I.5.", "Poskytnuté zálohy na dlouhodobý nehmotný majetek a nedokončený dlouhodobý nehmotný majetek", true},
    {12, "B.I.5.1.", "Poskytnuté zálohy na dlouhodobý nehmotný majetek", false},
    {13, "B.I.5.2.", "Nedokončený dlouhodobý nehmotný majetek", false},
    {14, "B.II.", "Dlouhodobý hmotný majetek", true},
    {15, "B.II.1.", "Pozemky a stavby", true},
    {16, "B.II.1.1.", "Pozemky", false},
    {17, "B.II.1.2.", "Stavby", false},
    {18, "B.II.2.", "Hmotné movité věci a jejich soubory", false},
    {19, "B.II.3.", "Oceňovací rozdíl k nabytému majetku", false},
    {20, "B.II.4.", "Ostatní dlouhodobý hmotný majetek", true},
    {21, "B.II.4.1.", "Pěstitelské celky trvalých porostů", false},
    {22, "B.II.4.2.", "Dospělá zvířata a jejich skupiny", false},
    {23, "B.II.4.3.", "Jiný dlouhodobý hmotný majetek", false},
    {24, "B.II.5.", "Poskytnuté zálohy na dlouhodobý hmotný majetek a nedokončený dlouhodobý hmotný majetek", true},
    {25, "B.II.5.1.", "Poskytnuté zálohy na dlouhodobý hmotný majetek", false},
    {26, "B.II.5.2.", "Nedokončený dlouhodobý hmotný majetek", false},
    {27, "B.III.", "Dlouhodobý finanční majetek", true},
    {28, "B.III.1.", "Podíly - ovládaná nebo ovládající osoba", false},
    {29, "B.III.2.", "Zápůjčky a úvěry - ovládaná nebo ovládající osoba", false},
    {30, "B.III.3.", "Podíly - podstatný vliv", false},
    {31, "B.III.4.", "Zápůjčky a úvěry - podstatný vliv", false},
    {32, "B.III.5.", "Ostatní dlouhodobé cenné papíry a podíly", false},
    {33, "B.III.6.", "Zápůjčky a úvěry - ostatní", false},
    {34, "B.III.7.", "Ostatní dlouhodobý finanční majetek", true},
    {35, "B.III.7.1.", "Jiný dlouhodobý finanční majetek", false},
    {36, "B.III.7.2.", "Poskytnuté zálohy na dlouhodobý finanční majetek", false},
    {37, "C.", "Oběžná aktiva", true},
    {38, "C.I.", "Zásoby", true},
    {39, "C.I.1.", "Materiál", false},
    {40, "C.I.2.", "Nedokončená výroba a polotovary", false},
    {41, "C.I.3.", "Výrobky a zboží", true},
    {42, "C.I.3.1.", "Výrobky", false},
    {43, "C.I.3.2.", "Zboží", false},
    {44, "C.I.4.", "Mladá a ostatní zvířata a jejich skupiny", false},
    {45, "C.I.5.", "Poskytnuté zálohy na zásoby", false},
    {46, "C.II.", "Pohledávky", true},
    {47, "C.II.1.", "Dlouhodobé pohledávky", true},
    {48, "C.II.1.1.", "Pohledávky z obchodních vztahů", false},
    {49, "C.II.1.2.", "Pohledávky - ovládaná nebo ovládající osoba", false},
    {50, "C.II.1.3.", "Pohledávky - podstatný vliv", false},
    {51, "C.II.1.4.", "Odložená daňová pohledávka", false},
    {52, "C.II.1.5.", "Pohledávky - ostatní", true},
    {53, "C.II.1.5.1.", "Pohledávky za společníky", false},
    {54, "C.II.1.5.2.", "Dlouhodobé poskytnuté zálohy", false},
    {55, "C.II.1.5.3.", "Dohadné účty aktivní", false},
    {56, "C.II.1.5.4.", "Jiné pohledávky", false},
    {57, "C.II.2.", "Krátkodobé pohledávky", true},
    {58, "C.II.2.1.", "Pohledávky z obchodních vztahů", false},
    {59, "C.II.2.2.", "Pohledávky - ovládaná nebo ovládající osoba", false},
    {60, "C.II.2.3.", "Pohledávky - podstatný vliv", false},
    {61, "C.II.2.4.", "Pohledávky - ostatní", true},
    {62, "C.II.2.4.1.", "Pohledávky za společníky", false},
    {63, "C.II.2.4.2.", "Sociální zabezpečení a zdravotní pojištění", false},
    {64, "C.II.2.4.3.", "Stát - daňové pohledávky", false},
    {65, "C.II.2.4.4.", "Krátkodobé poskytnuté zálohy", false},
    {66, "C.II.2.4.5.", "Dohadné účty aktivní", false},
    {67, "C.II.2.4.6.", "Jiné pohledávky", false},
    {68, "C.III.", "Krátkodobý finanční majetek", true},
    {69, "C.III.1.", "Podíly - ovládaná nebo ovládající osoba", false},
    {70, "C.III.2.", "Ostatní krátkodobý finanční majetek", false},
    {71, "C.IV.", "Peněžní prostředky", true},
    {72, "C.IV.1.", "Peněžní prostředky v pokladně", false},
    {73, "C.IV.2.", "Peněžní prostředky na účtech", false},
    {74, "D.", "Časové rozlišení aktiv", true},
    {75, "D.1.", "Náklady příštích období", false},
    {76, "D.2.", "Komplexní náklady příštích období", false},
    {77, "D.3.", "Příjmy příštích období", false},
};

const std::vector<StatementLine> kLiabilities = {
    {78, "", "PASIVA CELKEM", true},
    {79, "A.", "Vlastní kapitál", true},
    {80, "A.I.", "Základní kapitál", true},
    {81, "A.I.1.", "Základní kapitál", false},
    {82, "A.I.2.", "Vlastní podíly (-)", false},
    {83, "A.I.3.", "Změny základního kapitálu", false},
    {84, "A.II.", "Ážio a kapitálové fondy", true},
    {85, "A.II.1.", "Ážio", false},
    {86, "A.II.2.", "Kapitálové fondy", true},
    {87, "A.II.2.1.", "Ostatní kapitálové fondy", false},
    {88, "A.II.2.2.", "Oceňovací rozdíly z přecenění majetku a závazků (+/-)", false},
    {89, "A.II.2.3.", "Oceňovací rozdíly z přecenění při přeměnách obchodních korporací (+/-)", false},
    {90, "A.II.2.4.", "Rozdíly z přeměn obchodních korporací (+/-)", false},
    {91, "A.II.2.5.", "Rozdíly z ocenění při přeměnách obchodních korporací (+/-)", false},
    {92, "A.III.", "Fondy ze zisku", true},
    {93, "A.III.1.", "Ostatní rezervní fondy", false},
    {94, "A.III.2.", "Statutární a ostatní fondy", false},
    {95, "A.IV.", "Výsledek hospodaření minulých let (+/-)", true},
    {96, "A.IV.1.", "Nerozdělený zisk minulých let", false},
    {97, "A.IV.2.", "Neuhrazená ztráta minulých let (-)", false},
    {98, "A.IV.3.", "Jiný výsledek hospodaření minulých let (+/-)", false},
    {99, "A.V.", "Výsledek hospodaření běžného účetního období (+/-)", false},
    {100, "A.VI.", "Rozhodnuto o zálohové výplatě podílu na zisku (-)", false},
    {101, "B.+C.", "Cizí zdroje", true},
    {102, "B.", "Rezervy", true},
    {103, "B.1.", "Rezerva na důchody a podobné závazky", false},
    {104, "B.2.", "Rezerva na daň z příjmů", false},
    {105, "B.3.", "Rezervy podle zvláštních právních předpisů", false},
    {106, "B.4.", "Ostatní rezervy", false},
    {107, "C.", "Závazky", true},
    {108, "C.I.", "Dlouhodobé závazky", true},
    {109, "C.I.1.", "Vydané dluhopisy", true},
    {110, "C.I.1.1.", "Vyměnitelné dluhopisy", false},
    {111, "C.I.1.2.", "Ostatní dluhopisy", false},
    {112, "C.I.2.", "Závazky k úvěrovým institucím", false},
    {113, "C.I.3.", "Dlouhodobé přijaté zálohy", false},
    {114, "C.I.4.", "Závazky z obchodních vztahů", false},
    {115, "C.I.5.", "Dlouhodobé směnky k úhradě", false},
    {116, "C.I.6.", "Závazky - ovládaná nebo ovládající osoba", false},
    {117, "C.I.7.", "Závazky - podstatný vliv", false},
    {118, "C.I.8.", "Odložený daňový závazek", false},
    {119, "C.I.9.", "Závazky - ostatní", true},
    {120, "C.I.9.1.", "Závazky ke společníkům", false},
    {121, "C.I.9.2.", "Dohadné účty pasivní", false},
    {122, "C.I.9.3.", "Jiné závazky", false},
    {123, "C.II.", "Krátkodobé závazky", true},
    {124, "C.II.1.", "Vydané dluhopisy", true},
    {125, "C.II.1.1.", "Vyměnitelné dluhopisy", false},
    {126, "C.II.1.2.", "Ostatní dluhopisy", false},
    {127, "C.II.2.", "Závazky k úvěrovým institucím", false},
    {128, "C.II.3.", "Krátkodobé přijaté zálohy", false},
    {129, "C.II.4.", "Závazky z obchodních vztahů", false},
    {130, "C.II.5.", "Krátkodobé směnky k úhradě", false},
    {131, "C.II.6.", "Závazky - ovládaná nebo ovládající osoba", false},
    {132, "C.II.7.", "Závazky - podstatný vliv", false},
    {133, "C.II.8.", "Závazky ostatní", true},
    {134, "C.II.8.1.", "Závazky ke společníkům", false},
    {135, "C.II.8.2.", "Krátkodobé finanční výpomoci", false},
    {136, "C.II.8.3.", "Závazky k zaměstnancům", false},
    {137, "C.II.8.4.", "Závazky ze sociálního zabezpečení a zdravotního pojištění", false},
    {138, "C.II.8.5.", "Stát - daňové závazky a dotace", false},
    {139, "C.II.8.6.", "Dohadné účty pasivní", false},
    {140, "C.II.8.7.", "Jiné závazky", false},
    {141, "D.", "Časové rozlišení pasiv", true},
    {142, "D.1.", "Výdaje příštích období", false},
    {143, "D.2.", "Výnosy příštích období", false},
};

const std::vector<StatementLine> kIncome = {
    {1, "I.", "Tržby z prodeje výrobků a služeb", false},
    {2, "II.", "Tržby za prodej zboží", false},
    {3, "A.", "Výkonová spotřeba", true},
    {4, "A.1.", "Náklady vynaložené na prodané zboží", false},
    {5, "A.2.", "Spotřeba materiálu a energie", false},
    {6, "A.3.", "Služby", false},
    {7, "B.", "Změna stavu zásob vlastní činnosti (+/-)", false},
    {8, "C.", "Aktivace (-)", false},
    {9, "D.", "Osobní náklady", true},
    {10, "D.1.", "Mzdové náklady", false},
    {11, "D.2.", "Náklady na sociální zabezpečení, zdravotní pojištění a ostatní náklady", true},
    {12, "D.2.1.", "Náklady na sociální zabezpečení a zdravotní pojištění", false},
    {13, "D.2.2.", "Ostatní náklady", false},
    {14, "E.", "Úpravy hodnot v provozní oblasti", true},
    {15, "E.1.", "Úpravy hodnot dlouhodobého nehmotného a hmotného majetku", true},
    {16, "E.1.1.", "Úpravy hodnot dlouhodobého nehmotného a hmotného majetku - trvalé", false},
    {17, "E.1.2.", "Úpravy hodnot dlouhodobého nehmotného a hmotného majetku - dočasné", false},
    {18, "E.2.", "Úpravy hodnot zásob", false},
    {19, "E.3.", "Úpravy hodnot pohledávek", false},
    {20, "III.", "Ostatní provozní výnosy", true},
    {21, "III.1.", "Tržby z prodaného dlouhodobého majetku", false},
    {22, "III.2.", "Tržby z prodaného materiálu", false},
    {23, "III.3.", "Jiné provozní výnosy", false},
    {24, "F.", "Ostatní provozní náklady", true},
    {25, "F.1.", "Zůstatková cena prodaného dlouhodobého majetku", false},
    {26, "F.2.", "Prodaný materiál", false},
    {27, "F.3.", "Daně a poplatky", false},
    {28, "F.4.", "Rezervy v provozní oblasti a komplexní náklady příštích období", false},
    {29, "F.5.", "Jiné provozní náklady", false},
    {30, "*", "Provozní výsledek hospodaření (+/-)", true},
    {31, "IV.", "Výnosy z dlouhodobého finančního majetku - podíly", true},
    {32, "IV.1.", "Výnosy z podílů - ovládaná nebo ovládající osoba", false},
    {33, "IV.2.", "Ostatní výnosy z podílů", false},
    {34, "G.", "Náklady vynaložené na prodané podíly", false},
    {35, "V.", "Výnosy z ostatního dlouhodobého finančního majetku", true},
    {36, "V.1.", "Výnosy z ostatního dlouhodobého finančního majetku - ovládaná nebo ovládající osoba", false},
    {37, "V.2.", "Ostatní výnosy z ostatního dlouhodobého finančního majetku", false},
    {38, "H.", "Náklady související s ostatním dlouhodobým finančním majetkem", false},
    {39, "VI.", "Výnosové úroky a podobné výnosy", true},
    {40, "VI.1.", "Výnosové úroky a podobné výnosy - ovládaná nebo ovládající osoba", false},
    {41, "VI.2.", "Ostatní výnosové úroky a podobné výnosy", false},
    {42, "I.", "Úpravy hodnot a rezervy ve finanční oblasti", false},
    {43, "J.", "Nákladové úroky a podobné náklady", true},
    {44, "J.1.", "Nákladové úroky a podobné náklady - ovládaná nebo ovládající osoba", false},
    {45, "J.2.", "Ostatní nákladové úroky a podobné náklady", false},
    {46, "VII.", "Ostatní finanční výnosy", false},
    {47, "K.", "Ostatní finanční náklady", false},
    {48, "*", "Finanční výsledek hospodaření (+/-)", true},
    {49, "**", "Výsledek hospodaření před zdaněním (+/-)", true},
    {50, "L.", "Daň z příjmů", true},
    {51, "L.1.", "Daň z příjmů splatná", false},
    {52, "L.2.", "Daň z příjmů odložená (+/-)", false},
    {53, "**", "Výsledek hospodaření po zdanění (+/-)", true},
    {54, "M.", "Převod podílu na výsledku hospodaření společníkům (+/-)", false},
    {55, "***", "Výsledek hospodaření za účetní období (+/-)", true},
    {56, "*", "Čistý obrat za účetní období", true},
};

// The Slovak layout, as the Slovak Kalkora keeps it.
const std::vector<StatementLine> kSkAssets = {
    {1, "", "SPOLU MAJETOK", true},
    {2, "A.", "Neobežný majetok", true},
    {3, "A.I.", "Dlhodobý nehmotný majetok súčet", true},
    {4, "A.I.1.", "Aktivované náklady na vývoj", false},
    {5, "A.I.2.", "Softvér", false},
    {6, "A.I.3.", "Oceniteľné práva", false},
    {7, "A.I.4.", "Goodwill", false},
    {8, "A.I.5.", "Ostatný dlhodobý nehmotný majetok", false},
    {9, "A.I.6.", "Obstarávaný dlhodobý nehmotný majetok", false},
    {10, "A.I.7.", "Poskytnuté preddavky na dlhodobý nehmotný majetok", false},
    {11, "A.II.", "Dlhodobý hmotný majetok súčet", true},
    {12, "A.II.1.", "Pozemky", false},
    {13, "A.II.2.", "Stavby", false},
    {14, "A.II.3.", "Samostatné hnuteľné veci a súbory hnuteľných vecí", false},
    {15, "A.II.4.", "Pestovateľské celky trvalých porastov", false},
    {16, "A.II.5.", "Základné stádo a ťažné zvieratá", false},
    {17, "A.II.6.", "Ostatný dlhodobý hmotný majetok", false},
    {18, "A.II.7.", "Obstarávaný dlhodobý hmotný majetok", false},
    {19, "A.II.8.", "Poskytnuté preddavky na dlhodobý hmotný majetok", false},
    {20, "A.II.9.", "Opravná položka k nadobudnutému majetku", false},
    {21, "A.III.", "Dlhodobý finančný majetok súčet", true},
    {22, "A.III.1.", "Podielové cenné papiere a podiely v prepojených účtovných jednotkách", false},
    {23, "A.III.2.", "Podielové cenné papiere a podiely s podielovou účasťou", false},
    {24, "A.III.3.", "Ostatné realizovateľné cenné papiere a podiely", false},
    {25, "A.III.4.", "Pôžičky prepojeným účtovným jednotkám", false},
    {26, "A.III.5.", "Pôžičky v rámci podielovej účasti", false},
    {27, "A.III.6.", "Ostatné pôžičky", false},
    {28, "A.III.7.", "Dlhové cenné papiere a ostatný dlhodobý finančný majetok", false},
    {29, "A.III.8.", "Pôžičky a ostatný dlhodobý finančný majetok so splatnosťou najviac jeden rok", false},
    {30, "A.III.9.", "Účty v bankách s dobou viazanosti dlhšou ako jeden rok", false},
    {31, "A.III.10.", "Obstarávaný dlhodobý finančný majetok", false},
    {32, "A.III.11.", "Poskytnuté preddavky na dlhodobý finančný majetok", false},
    {33, "B.", "Obežný majetok", true},
    {34, "B.I.", "Zásoby súčet", true},
    {35, "B.I.1.", "Materiál", false},
    {36, "B.I.2.", "Nedokončená výroba a polotovary vlastnej výroby", false},
    {37, "B.I.3.", "Výrobky", false},
    {38, "B.I.4.", "Zvieratá", false},
    {39, "B.I.5.", "Tovar", false},
    {40, "B.I.6.", "Poskytnuté preddavky na zásoby", false},
    {41, "B.II.", "Dlhodobé pohľadávky súčet", true},
    {42, "B.II.1.", "Pohľadávky z obchodného styku súčet", true},
    {43, "B.II.1.a.", "Pohľadávky z obchodného styku voči prepojeným účtovným jednotkám", false},
    {44, "B.II.1.b.", "Pohľadávky z obchodného styku v rámci podielovej účasti", false},
    {45, "B.II.1.c.", "Ostatné pohľadávky z obchodného styku", false},
    {46, "B.II.2.", "Čistá hodnota zákazky", false},
    {47, "B.II.3.", "Ostatné pohľadávky voči prepojeným účtovným jednotkám", false},
    {48, "B.II.4.", "Ostatné pohľadávky v rámci podielovej účasti", false},
    {49, "B.II.5.", "Pohľadávky voči spoločníkom, členom a združeniu", false},
    {50, "B.II.6.", "Pohľadávky z derivátových operácií", false},
    {51, "B.II.7.", "Iné pohľadávky", false},
    {52, "B.II.8.", "Odložená daňová pohľadávka", false},
    {53, "B.III.", "Krátkodobé pohľadávky súčet", true},
    {54, "B.III.1.", "Pohľadávky z obchodného styku súčet", true},
    {55, "B.III.1.a.", "Pohľadávky z obchodného styku voči prepojeným účtovným jednotkám", false},
    {56, "B.III.1.b.", "Pohľadávky z obchodného styku v rámci podielovej účasti", false},
    {57, "B.III.1.c.", "Ostatné pohľadávky z obchodného styku", false},
    {58, "B.III.2.", "Čistá hodnota zákazky", false},
    {59, "B.III.3.", "Ostatné pohľadávky voči prepojeným účtovným jednotkám", false},
    {60, "B.III.4.", "Ostatné pohľadávky v rámci podielovej účasti", false},
    {61, "B.III.5.", "Pohľadávky voči spoločníkom, členom a združeniu", false},
    {62, "B.III.6.", "Sociálne poistenie", false},
    {63, "B.III.7.", "Daňové pohľadávky a dotácie", false},
    {64, "B.III.8.", "Pohľadávky z derivátových operácií", false},
    {65, "B.III.9.", "Iné pohľadávky", false},
    {66, "B.IV.", "Krátkodobý finančný majetok súčet", true},
    {67, "B.IV.1.", "Krátkodobý finančný majetok v prepojených účtovných jednotkách", false},
    {68, "B.IV.2.", "Ostatný krátkodobý finančný majetok", false},
    {69, "B.IV.3.", "Vlastné akcie a vlastné obchodné podiely", false},
    {70, "B.IV.4.", "Obstarávaný krátkodobý finančný majetok", false},
    {71, "B.V.", "Finančné účty", true},
    {72, "B.V.1.", "Peniaze", false},
    {73, "B.V.2.", "Účty v bankách", false},
    {74, "C.", "Časové rozlíšenie súčet", true},
    {75, "C.1.", "Náklady budúcich období dlhodobé", false},
    {76, "C.2.", "Náklady budúcich období krátkodobé", false},
    {77, "C.3.", "Príjmy budúcich období dlhodobé", false},
    {78, "C.4.", "Príjmy budúcich období krátkodobé", false},
};

const std::vector<StatementLine> kSkLiabilities = {
    {79, "", "SPOLU VLASTNÉ IMANIE A ZÁVÄZKY", true},
    {80, "A.", "Vlastné imanie", true},
    {81, "A.I.", "Základné imanie súčet", true},
    {82, "A.I.1.", "Základné imanie", false},
    {83, "A.I.2.", "Zmena základného imania", false},
    {84, "A.I.3.", "Pohľadávky za upísané vlastné imanie", false},
    {85, "A.II.", "Emisné ážio", false},
    {86, "A.III.", "Ostatné kapitálové fondy", false},
    {87, "A.IV.", "Zákonné rezervné fondy", true},
    {88, "A.IV.1.", "Zákonný rezervný fond a nedeliteľný fond", false},
    {89, "A.IV.2.", "Rezervný fond na vlastné akcie a vlastné podiely", false},
    {90, "A.V.", "Ostatné fondy zo zisku", true},
    {91, "A.V.1.", "Štatutárne fondy", false},
    {92, "A.V.2.", "Ostatné fondy", false},
    {93, "A.VI.", "Oceňovacie rozdiely z precenenia súčet", true},
    {94, "A.VI.1.", "Oceňovacie rozdiely z precenenia majetku a záväzkov", false},
    {95, "A.VI.2.", "Oceňovacie rozdiely z kapitálových účastín", false},
    {96, "A.VI.3.", "Oceňovacie rozdiely z precenenia pri zlúčení, splynutí a rozdelení", false},
    {97, "A.VII.", "Výsledok hospodárenia minulých rokov", true},
    {98, "A.VII.1.", "Nerozdelený zisk minulých rokov", false},
    {99, "A.VII.2.", "Neuhradená strata minulých rokov", false},
    {100, "A.VIII.", "Výsledok hospodárenia za účtovné obdobie po zdanení", true},
    {101, "B.", "Záväzky", true},
    {102, "B.I.", "Dlhodobé záväzky súčet", true},
    {103, "B.I.1.", "Dlhodobé záväzky z obchodného styku súčet", true},
    {104, "B.I.1.a.", "Záväzky z obchodného styku voči prepojeným účtovným jednotkám", false},
    {105, "B.I.1.b.", "Záväzky z obchodného styku v rámci podielovej účasti", false},
    {106, "B.I.1.c.", "Ostatné záväzky z obchodného styku", false},
    {107, "B.I.2.", "Čistá hodnota zákazky", false},
    {108, "B.I.3.", "Ostatné záväzky voči prepojeným účtovným jednotkám", false},
    {109, "B.I.4.", "Ostatné záväzky v rámci podielovej účasti", false},
    {110, "B.I.5.", "Dlhodobé prijaté preddavky", false},
    {111, "B.I.6.", "Dlhodobé zmenky na úhradu", false},
    {112, "B.I.7.", "Vydané dlhopisy", false},
    {113, "B.I.8.", "Záväzky zo sociálneho fondu", false},
    {114, "B.I.9.", "Iné dlhodobé záväzky", false},
    {115, "B.I.10.", "Dlhodobé záväzky z derivátových operácií", false},
    {116, "B.I.11.", "Dlhodobé záväzky voči spoločníkom a združeniu", false},
    {117, "B.I.12.", "Odložený daňový záväzok", false},
    {118, "B.II.", "Dlhodobé rezervy", true},
    {119, "B.II.1.", "Zákonné rezervy", false},
    {120, "B.II.2.", "Ostatné rezervy", false},
    {121, "B.III.", "Dlhodobé bankové úvery", false},
    {122, "B.IV.", "Krátkodobé záväzky súčet", true},
    {123, "B.IV.1.", "Záväzky z obchodného styku súčet", true},
    {124, "B.IV.1.a.", "Záväzky z obchodného styku voči prepojeným účtovným jednotkám", false},
    {125, "B.IV.1.b.", "Záväzky z obchodného styku v rámci podielovej účasti", false},
    {126, "B.IV.1.c.", "Ostatné záväzky z obchodného styku", false},
    {127, "B.IV.2.", "Čistá hodnota zákazky", false},
    {128, "B.IV.3.", "Ostatné záväzky voči prepojeným účtovným jednotkám", false},
    {129, "B.IV.4.", "Ostatné záväzky v rámci podielovej účasti", false},
    {130, "B.IV.5.", "Záväzky voči spoločníkom a združeniu", false},
    {131, "B.IV.6.", "Záväzky voči zamestnancom", false},
    {132, "B.IV.7.", "Záväzky zo sociálneho poistenia", false},
    {133, "B.IV.8.", "Daňové záväzky a dotácie", false},
    {134, "B.IV.9.", "Záväzky z derivátových operácií", false},
    {135, "B.IV.10.", "Iné záväzky", false},
    {136, "B.V.", "Krátkodobé rezervy", true},
    {137, "B.V.1.", "Zákonné rezervy", false},
    {138, "B.V.2.", "Ostatné rezervy", false},
    {139, "B.VI.", "Bežné bankové úvery", false},
    {140, "B.VII.", "Krátkodobé finančné výpomoci", false},
    {141, "C.", "Časové rozlíšenie súčet", true},
    {142, "C.1.", "Výdavky budúcich období dlhodobé", false},
    {143, "C.2.", "Výdavky budúcich období krátkodobé", false},
    {144, "C.3.", "Výnosy budúcich období dlhodobé", false},
    {145, "C.4.", "Výnosy budúcich období krátkodobé", false},
};

const std::vector<StatementLine> kSkIncome = {
    {1, "", "Čistý obrat", false},
    {2, "*", "Výnosy z hospodárskej činnosti spolu", true},
    {3, "I.", "Tržby z predaja tovaru", false},
    {4, "II.", "Tržby z predaja vlastných výrobkov", false},
    {5, "III.", "Tržby z predaja služieb", false},
    {6, "IV.", "Zmeny stavu vnútroorganizačných zásob", false},
    {7, "V.", "Aktivácia", false},
    {8, "VI.", "Tržby z predaja dlhodobého majetku a materiálu", false},
    {9, "VII.", "Ostatné výnosy z hospodárskej činnosti", false},
    {10, "**", "Náklady na hospodársku činnosť spolu", true},
    {11, "A.", "Náklady vynaložené na obstaranie predaného tovaru", false},
    {12, "B.", "Spotreba materiálu, energie a ostatných neskladovateľných dodávok", false},
    {13, "C.", "Opravné položky k zásobám", false},
    {14, "D.", "Služby", false},
    {15, "E.", "Osobné náklady", true},
    {16, "E.1.", "Mzdové náklady", false},
    {17, "E.2.", "Odmeny členom orgánov spoločnosti a družstva", false},
    {18, "E.3.", "Náklady na sociálne poistenie", false},
    {19, "E.4.", "Sociálne náklady", false},
    {20, "F.", "Dane a poplatky", false},
    {21, "G.", "Odpisy a opravné položky k dlhodobému majetku", true},
    {22, "G.1.", "Odpisy dlhodobého nehmotného a hmotného majetku", false},
    {23, "G.2.", "Opravné položky k dlhodobému nehmotnému a hmotnému majetku", false},
    {24, "H.", "Zostatková cena predaného dlhodobého majetku a predaného materiálu", false},
    {25, "I.", "Opravné položky k pohľadávkam", false},
    {26, "J.", "Ostatné náklady na hospodársku činnosť", false},
    {27, "***", "Výsledok hospodárenia z hospodárskej činnosti", true},
    {28, "*", "Pridaná hodnota", true},
    {29, "*", "Výnosy z finančnej činnosti spolu", true},
    {30, "VIII.", "Tržby z predaja cenných papierov a podielov", false},
    {31, "IX.", "Výnosy z dlhodobého finančného majetku", true},
    {32, "IX.1.", "Výnosy z cenných papierov a podielov od prepojených účtovných jednotiek", false},
    {33, "IX.2.", "Výnosy z cenných papierov a podielov v rámci podielovej účasti", false},
    {34, "IX.3.", "Ostatné výnosy z cenných papierov a podielov", false},
    {35, "X.", "Výnosy z krátkodobého finančného majetku", true},
    {36, "X.1.", "Výnosy z krátkodobého finančného majetku od prepojených účtovných jednotiek", false},
    {37, "X.2.", "Výnosy z krátkodobého finančného majetku v rámci podielovej účasti", false},
    {38, "X.3.", "Ostatné výnosy z krátkodobého finančného majetku", false},
    {39, "XI.", "Výnosové úroky", true},
    {40, "XI.1.", "Výnosové úroky od prepojených účtovných jednotiek", false},
    {41, "XI.2.", "Ostatné výnosové úroky", false},
    {42, "XII.", "Kurzové zisky", false},
    {43, "XIII.", "Výnosy z precenenia cenných papierov a z derivátových operácií", false},
    {44, "XIV.", "Ostatné výnosy z finančnej činnosti", false},
    {45, "*", "Náklady na finančnú činnosť spolu", true},
    {46, "K.", "Predané cenné papiere a podiely", false},
    {47, "L.", "Náklady na krátkodobý finančný majetok", false},
    {48, "M.", "Opravné položky k finančnému majetku", false},
    {49, "N.", "Nákladové úroky", true},
    {50, "N.1.", "Nákladové úroky pre prepojené účtovné jednotky", false},
    {51, "N.2.", "Ostatné nákladové úroky", false},
    {52, "O.", "Kurzové straty", false},
    {53, "P.", "Náklady na precenenie cenných papierov a na derivátové operácie", false},
    {54, "Q.", "Ostatné náklady na finančnú činnosť", false},
    {55, "***", "Výsledok hospodárenia z finančnej činnosti", true},
    {56, "****", "Výsledok hospodárenia za účtovné obdobie pred zdanením", true},
    {57, "R.", "Daň z príjmov", true},
    {58, "R.1.", "Daň z príjmov splatná", false},
    {59, "R.2.", "Daň z príjmov odložená", false},
    {60, "S.", "Prevod podielov na výsledku hospodárenia spoločníkom", false},
    {61, "****", "Výsledok hospodárenia za účtovné obdobie po zdanení", true},
};

// A block of statement lines under a heading; line n sits in row n + offset.
struct Block {
  const char* heading;
  int headingRow;
  int offset;
  const std::vector<StatementLine>& lines;
};

// "=@5-@17" for column G becomes "=G5-G17".
std::string formulaFor(const std::string& pattern, char column) {
  std::string formula;
  for (char c : pattern) formula += c == '@' ? column : c;
  return formula;
}

// Column heads of a statement: "Označení", "Položka", "Řádek" and the periods.
void writeColumnHeads(lxw_worksheet* sheet, lxw_row_t row, lxw_format* bold) {
  worksheet_write_string(sheet, row, 0, "Označení", bold);
  worksheet_write_string(sheet, row, 1, "Položka", bold);
  worksheet_write_string(sheet, row, 5, "Řádek", bold);
  for (int p = 1; p <= kPeriods; ++p)
    worksheet_write_string(sheet, row, static_cast<lxw_col_t>(5 + p), ("Období " + std::to_string(p)).c_str(), bold);
}

void writeLine(lxw_worksheet* sheet, const Line& line, lxw_format* bold) {
  const lxw_row_t row = static_cast<lxw_row_t>(line.row - 1);
  lxw_format* format = line.formula.empty() ? nullptr : bold;
  worksheet_write_string(sheet, row, 0, line.label, format);
  worksheet_write_string(sheet, row, 1, line.text, format);
  if (*line.marking) worksheet_write_string(sheet, row, 5, line.marking, nullptr);
  for (int p = 1; p <= kPeriods; ++p) {
    if (line.formula.empty()) continue;
    const char column = static_cast<char>('F' + p);
    worksheet_write_formula(sheet, row, static_cast<lxw_col_t>(5 + p), formulaFor(line.formula, column).c_str(),
                            format);
  }
}

lxw_worksheet* addStatementSheet(lxw_workbook* workbook, const char* name, const char* title, lxw_format* bold) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, name);
  worksheet_set_column(sheet, 1, 1, 48, nullptr);
  worksheet_write_string(sheet, 0, 0, title, bold);
  return sheet;
}

void writeStatement(lxw_workbook* workbook, const char* name, const char* title, const std::vector<Line>& lines) {
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  lxw_worksheet* sheet = addStatementSheet(workbook, name, title, bold);
  writeColumnHeads(sheet, 2, bold);
  for (const Line& line : lines) writeLine(sheet, line, bold);
}

// A statement of the full layout: the line number as a number in column 6,
// the period columns left empty for the exports, and the formula lines
// (checks) after the blocks.
void writeFullStatement(lxw_workbook* workbook, const char* name, const char* title,
                        const std::vector<Block>& blocks, const std::vector<Line>& formulas) {
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  lxw_worksheet* sheet = addStatementSheet(workbook, name, title, bold);
  for (const Block& block : blocks) {
    const auto heading = static_cast<lxw_row_t>(block.headingRow - 1);
    worksheet_write_string(sheet, heading, 0, block.heading, bold);
    writeColumnHeads(sheet, heading + 2, bold);
    for (const StatementLine& line : block.lines) {
      const auto row = static_cast<lxw_row_t>(line.line + block.offset - 1);
      lxw_format* format = line.sum ? bold : nullptr;
      worksheet_write_string(sheet, row, 0, line.label, format);
      worksheet_write_string(sheet, row, 1, line.text, format);
      worksheet_write_number(sheet, row, 5, line.line, nullptr);
    }
  }
  for (const Line& line : formulas) writeLine(sheet, line, bold);
}

void writeIntro(lxw_workbook* workbook, const char* title, const char* text) {
  lxw_worksheet* intro = workbook_add_worksheet(workbook, "Úvod");
  worksheet_write_string(intro, 0, 0, title, nullptr);
  worksheet_write_string(intro, 2, 0, text, nullptr);
}

constexpr const char* kCzechPeriods = "Období 1 až 3 jsou sloupce G až I listů Rozvahy netto a Výsledovky.";

struct Ratio {
  const char* name;
  const char* formula;  // "@" stands for the period column
};

// A few ratios computed from the two statements, period by period.
void writeAnalysis(lxw_workbook* workbook, const std::vector<Ratio>& ratios) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Analýza");
  worksheet_set_column(sheet, 0, 0, 40, nullptr);
  for (int p = 1; p <= kPeriods; ++p)
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(5 + p), ("Období " + std::to_string(p)).c_str(), nullptr);
  for (lxw_row_t r = 0; r < ratios.size(); ++r) {
    worksheet_write_string(sheet, r + 1, 0, ratios[r].name, nullptr);
    for (int p = 1; p <= kPeriods; ++p) {
      const std::string formula = formulaFor(ratios[r].formula, static_cast<char>('F' + p));
      worksheet_write_formula(sheet, r + 1, static_cast<lxw_col_t>(5 + p), formula.c_str(), nullptr);
    }
  }
}

bool close(lxw_workbook* workbook) {
  const lxw_error result = workbook_close(workbook);
  if (result != LXW_NO_ERROR) std::fprintf(stderr, "Sešit nelze zapsat: %s\n", lxw_strerror(result));
  return result == LXW_NO_ERROR;
}

bool writeTurnoverWorkbook(const char* path) {
  lxw_workbook* workbook = workbook_new(path);
  writeIntro(workbook, "Kalkora – ukázkový sešit", kCzechPeriods);
  writeStatement(workbook, "Rozvahy netto", "Rozvaha v plném rozsahu (netto)", kBalanceSheet);
  writeStatement(workbook, "Výsledovky", "Výkaz zisku a ztráty v druhovém členění", kIncomeStatement);
  writeAnalysis(workbook,
                {{"Rentabilita vlastního kapitálu (ROE)",
                  "=IF('Rozvahy netto'!@18=0,0,Výsledovky!@25/'Rozvahy netto'!@18)"},
                 {"Běžná likvidita", "=IF('Rozvahy netto'!@28=0,0,'Rozvahy netto'!@11/'Rozvahy netto'!@28)"},
                 {"Podíl vlastního kapitálu na aktivech",
                  "=IF('Rozvahy netto'!@5=0,0,'Rozvahy netto'!@18/'Rozvahy netto'!@5)"}});
  return close(workbook);
}

bool writeCzechStatementWorkbook(const char* path) {
  lxw_workbook* workbook = workbook_new(path);
  writeIntro(workbook, "Kalkora – ukázkový sešit pro výkazy", kCzechPeriods);
  writeFullStatement(workbook, "Rozvahy netto", "Rozvaha v plném rozsahu (netto), vzor od 1.1.2016",
                     {{"AKTIVA", 3, 6, kAssets}, {"PASIVA", 86, 12, kLiabilities}},
                     {{157, "", "", "Kontrola: aktiva - pasiva", "=@7-@90"}});
  writeFullStatement(workbook, "Výsledovky", "Výkaz zisku a ztráty v druhovém členění, vzor od 1.1.2016",
                     {{"VÝKAZ ZISKU A ZTRÁTY", 3, 6, kIncome}},
                     {{64, "", "", "Kontrola: výsledek hospodaření v rozvaze a ve výsledovce",
                       "=@61-'Rozvahy netto'!@111"}});
  writeAnalysis(workbook,
                {{"Rentabilita vlastního kapitálu (ROE)",
                  "=IF('Rozvahy netto'!@91=0,0,Výsledovky!@61/'Rozvahy netto'!@91)"},
                 {"Běžná likvidita", "=IF('Rozvahy netto'!@135=0,0,'Rozvahy netto'!@43/'Rozvahy netto'!@135)"},
                 {"Podíl vlastního kapitálu na aktivech",
                  "=IF('Rozvahy netto'!@7=0,0,'Rozvahy netto'!@91/'Rozvahy netto'!@7)"}});
  return close(workbook);
}

bool writeSlovakStatementWorkbook(const char* path) {
  lxw_workbook* workbook = workbook_new(path);
  writeIntro(workbook, "Kalkora – ukážkový zošit pre výkazy (slovenská verzia)",
             "Obdobia 1 až 3 sú stĺpce G až I hárkov Súvahy netto a Výsledovky.");
  writeFullStatement(workbook, "Súvahy netto", "Súvaha (netto), Úč POD",
                     {{"AKTÍVA", 3, 6, kSkAssets}, {"PASÍVA", 86, 11, kSkLiabilities}},
                     {{158, "", "", "Kontrola: aktíva - pasíva", "=@7-@90"}});
  writeFullStatement(workbook, "Výsledovky", "Výkaz ziskov a strát, Úč POD", {{"VÝKAZ ZISKOV A STRÁT", 3, 6, kSkIncome}},
                     {{69, "", "", "Kontrola: výsledok hospodárenia v súvahe a vo výsledovke",
                       "=@67-'Súvahy netto'!@111"}});
  writeAnalysis(workbook,
                {{"Rentabilita vlastného imania (ROE)",
                  "=IF('Súvahy netto'!@91=0,0,Výsledovky!@67/'Súvahy netto'!@91)"},
                 {"Bežná likvidita", "=IF('Súvahy netto'!@133=0,0,'Súvahy netto'!@39/'Súvahy netto'!@133)"},
                 {"Podiel vlastného imania na aktívach",
                  "=IF('Súvahy netto'!@7=0,0,'Súvahy netto'!@91/'Súvahy netto'!@7)"}});
  return close(workbook);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "Použití: make_example_workbook OBRATY.xlsx VÝKAZY.xlsx VÝKAZY_SK.xlsx\n");
    return 2;
  }
  const bool written =
      writeTurnoverWorkbook(argv[1]) && writeCzechStatementWorkbook(argv[2]) && writeSlovakStatementWorkbook(argv[3]);
  return written ? 0 : 1;
}
