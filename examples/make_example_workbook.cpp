// Writes a small Kalkora-like workbook for a first run: an introduction sheet,
// "Rozvahy netto" at position 2, "Výsledovky" at position 3 and an analysis
// sheet after them (the export looks for the income statement at positions 3
// and 4, so a workbook needs four sheets), the line markings in column 6,
// periods 1 to 3 in columns 7 to 9 and sums as formulas.
// The rows match examples/list_rozvaha.txt and examples/list_vysledovka.txt.
//   make_example_workbook OUTPUT.xlsx
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

// "=@5-@17" for column G becomes "=G5-G17".
std::string formulaFor(const std::string& pattern, char column) {
  std::string formula;
  for (char c : pattern) formula += c == '@' ? column : c;
  return formula;
}

void writeStatement(lxw_workbook* workbook, const char* name, const char* title, const std::vector<Line>& lines) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, name);
  lxw_format* bold = workbook_add_format(workbook);
  format_set_bold(bold);
  worksheet_set_column(sheet, 1, 1, 48, nullptr);
  worksheet_write_string(sheet, 0, 0, title, bold);
  worksheet_write_string(sheet, 2, 0, "Označení", bold);
  worksheet_write_string(sheet, 2, 1, "Položka", bold);
  worksheet_write_string(sheet, 2, 5, "Řádek", bold);
  for (int p = 1; p <= kPeriods; ++p)
    worksheet_write_string(sheet, 2, 5 + p, ("Období " + std::to_string(p)).c_str(), bold);
  for (const Line& line : lines) {
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
}

// A few ratios computed from the two statements, period by period.
void writeAnalysis(lxw_workbook* workbook) {
  lxw_worksheet* sheet = workbook_add_worksheet(workbook, "Analýza");
  worksheet_set_column(sheet, 0, 0, 40, nullptr);
  const char* const rows[][2] = {
      {"Rentabilita vlastního kapitálu (ROE)", "=IF('Rozvahy netto'!@18=0,0,Výsledovky!@25/'Rozvahy netto'!@18)"},
      {"Běžná likvidita", "=IF('Rozvahy netto'!@28=0,0,'Rozvahy netto'!@11/'Rozvahy netto'!@28)"},
      {"Podíl vlastního kapitálu na aktivech", "=IF('Rozvahy netto'!@5=0,0,'Rozvahy netto'!@18/'Rozvahy netto'!@5)"},
  };
  for (int p = 1; p <= kPeriods; ++p)
    worksheet_write_string(sheet, 0, static_cast<lxw_col_t>(5 + p), ("Období " + std::to_string(p)).c_str(), nullptr);
  for (lxw_row_t r = 0; r < 3; ++r) {
    worksheet_write_string(sheet, r + 1, 0, rows[r][0], nullptr);
    for (int p = 1; p <= kPeriods; ++p) {
      const std::string formula = formulaFor(rows[r][1], static_cast<char>('F' + p));
      worksheet_write_formula(sheet, r + 1, static_cast<lxw_col_t>(5 + p), formula.c_str(), nullptr);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "Použití: make_example_workbook VÝSTUP.xlsx\n");
    return 2;
  }
  lxw_workbook* workbook = workbook_new(argv[1]);
  lxw_worksheet* intro = workbook_add_worksheet(workbook, "Úvod");
  worksheet_write_string(intro, 0, 0, "Kalkora – ukázkový sešit", nullptr);
  worksheet_write_string(intro, 2, 0, "Období 1 až 3 jsou sloupce G až I listů Rozvahy netto a Výsledovky.", nullptr);
  writeStatement(workbook, "Rozvahy netto", "Rozvaha v plném rozsahu (netto)", kBalanceSheet);
  writeStatement(workbook, "Výsledovky", "Výkaz zisku a ztráty v druhovém členění", kIncomeStatement);
  writeAnalysis(workbook);
  const lxw_error result = workbook_close(workbook);
  if (result != LXW_NO_ERROR) {
    std::fprintf(stderr, "Sešit nelze zapsat: %s\n", lxw_strerror(result));
    return 1;
  }
  return 0;
}
