#include "gui/mode_tabs.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "app/import_modes.h"
#include "gui/widget_factory.h"
#include "statements/statement_types.h"

namespace kalkora {
namespace {

constexpr int kNumberWidth = 50;
constexpr int kNameWidth = 80;

const QString kOptional = QStringLiteral("Nepovinné parametry:");
const QString kCoefficient = QStringLiteral("Koeficient vynásobení částky");
const QString kSumLines = QStringLiteral("Zatržením se budou importovat i sumační řádky");
const QString kClearPeriod = QStringLiteral("Vymazat před exportem data v období Kalkora");

QWidget* page(const char* name, QWidget* parent) {
  auto* widget = new QWidget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

// Rows of "label  control [note]" on a page.
class Form {
 public:
  explicit Form(QWidget* page) : page_(page), grid_(new QGridLayout) {
    grid_->setHorizontalSpacing(8);
    grid_->setVerticalSpacing(3);
    grid_->setColumnStretch(3, 1);
  }
  QGridLayout* layout() const { return grid_; }
  QLineEdit* edit(const char* name, const QString& label, int width = kNumberWidth) {
    QLineEdit* box = makeEdit(name, width, page_);
    add(label, box);
    return box;
  }
  QLineEdit* number(const char* name, const QString& label, int min = 0, int max = 100) {
    QLineEdit* box = makeEdit(name, kNumberWidth, page_);
    add(label, withUpDown(box, min, max, page_));
    return box;
  }
  void add(const QString& label, QWidget* control, QWidget* note = nullptr) {
    grid_->addWidget(makeLabel(label, page_), row_, 0);
    grid_->addWidget(control, row_, 1);
    if (note) grid_->addWidget(note, row_, 2, 1, 2);
    ++row_;
  }
  void heading(const QString& text) {
    QLabel* label = makeLabel(text, page_);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    grid_->addWidget(label, row_++, 0, 1, 3);
  }
  void wide(QWidget* widget) { grid_->addWidget(widget, row_++, 0, 1, 4); }
  void addNote(QWidget* note) { grid_->addWidget(note, row_ - 1, 2, 1, 2); }

 private:
  QWidget* page_;
  QGridLayout* grid_;
  int row_ = 0;
};

QWidget* openInProgram(const char* name, QWidget* parent) {
  QPushButton* button = makeButton(name, QStringLiteral("Otevřít soubor"), parent);
  button->setFixedWidth(120);
  return button;
}

QVBoxLayout* column(QWidget* page) {
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(10, 8, 10, 8);
  return layout;
}

// A page of a form over the "Otevřít soubor" button.
void formOverButton(QWidget* sheet, const Form& form, const char* button) {
  QVBoxLayout* layout = column(sheet);
  layout->addLayout(form.layout());
  layout->addStretch();
  layout->addWidget(openInProgram(button, sheet));
}

// A page of a form beside the radio group that chooses the statement type.
void formBesideRadioGroup(QWidget* sheet, const Form& form, QGroupBox* group) {
  auto* layout = new QHBoxLayout(sheet);
  layout->setContentsMargins(10, 8, 10, 8);
  auto* left = new QVBoxLayout;
  left->addLayout(form.layout());
  left->addStretch();
  layout->addLayout(left);
  layout->addWidget(group);
}

QWidget* csvTurnovers(QWidget* parent) {
  QWidget* sheet = page("TabSheet1", parent);
  Form form(sheet);
  form.edit("Edit2", QStringLiteral("Oddělovač sloupců"), 30);
  form.number("Edit5", QStringLiteral("Pořadí sloupce s číslem účtu"));
  form.number("Edit6", QStringLiteral("Pořadí sloupce s částkou"));
  form.number("Edit15", QStringLiteral("Pořadí 2. sloupce s částkou"));
  QCheckBox* debitMinusCredit =
      makeCheckBox("CheckBox17", QStringLiteral("Částka = 1. sloupec − 2. sloupec (MD − D)"), sheet);
  setHint(debitMinusCredit, QStringLiteral("Konečný stav je částka 1. sloupce (má dáti) minus částka 2. sloupce (dal); "
                                           "prázdný sloupec se počítá jako 0."));
  form.addNote(debitMinusCredit);
  form.heading(kOptional);
  form.number("Edit7", QStringLiteral("Číslo prvního řádku s daty"), 1, 100);
  setHint(form.edit("Edit8", kCoefficient, 80),
          QStringLiteral("Tímto koeficientem vynásobí program částku z csv souboru."));
  form.addNote(makeLabel(QStringLiteral("(pokud chcete výkazy v tisících, napište 0,001)"), sheet));
  setHint(form.number("Edit9", QStringLiteral("Přidat úvodní \"0\" do účtu do počtu"), 0, 10),
          QStringLiteral("Do zadaného počtu číslic doplní program úvodní nuly do sloupce účet. Použije se pro účty "
                         "skupiny 0, kde Excel často smaže úvodní nuly."));
  formOverButton(sheet, form, "BitBtn1");
  return sheet;
}

// One row of the XML tree: flag and name box indented by nesting level,
// optionally an attribute flag and name box in the right column.
void xmlRow(QGridLayout* grid, int row, int level, QWidget* sheet, const char* flag, const QString& caption,
            const char* name, const char* attributeFlag = nullptr, const QString& attributeCaption = {},
            const char* attributeName = nullptr) {
  auto* left = new QHBoxLayout;
  left->setSpacing(4);
  left->addSpacing(level * 18);
  if (level > 0) left->addWidget(makeLabel(QStringLiteral("└"), sheet));
  left->addWidget(makeCheckBox(flag, caption, sheet));
  left->addStretch();
  grid->addLayout(left, row, 0);
  grid->addWidget(makeEdit(name, kNameWidth, sheet), row, 1);
  if (!attributeFlag) return;
  grid->addWidget(makeCheckBox(attributeFlag, attributeCaption, sheet), row, 2);
  grid->addWidget(makeEdit(attributeName, kNameWidth, sheet), row, 3);
}

QWidget* xmlTurnovers(QWidget* parent) {
  QWidget* sheet = page("TabSheet2", parent);
  auto* tree = new QGridLayout;
  tree->setVerticalSpacing(2);
  tree->setHorizontalSpacing(8);
  tree->setColumnStretch(4, 1);
  tree->addWidget(makeLabel(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"), sheet), 0, 0, 1, 4);
  xmlRow(tree, 1, 0, sheet, "CheckBox11", QStringLiteral("Hlavní element (Root elem.)"), "Edit23");
  xmlRow(tree, 2, 1, sheet, "CheckBox10", QStringLiteral("Možný předchozí element"), "Edit22");
  xmlRow(tree, 3, 2, sheet, "CheckBox1", QStringLiteral("Rodičovský element"), "Edit11", "CheckBox3",
         QStringLiteral("Atribut účet"), "Edit18");
  xmlRow(tree, 4, 3, sheet, "CheckBox6", QStringLiteral("Element prvek"), "Edit17");
  xmlRow(tree, 5, 4, sheet, "CheckBox2", QStringLiteral("Element účet"), "Edit12", "CheckBox7",
         QStringLiteral("Atribut účet"), "Edit19");
  xmlRow(tree, 6, 4, sheet, "CheckBox4", QStringLiteral("Element částka"), "Edit13", "CheckBox8",
         QStringLiteral("Atribut částka"), "Edit20");
  xmlRow(tree, 7, 4, sheet, "CheckBox5", QStringLiteral("Element částka (2)"), "Edit16", "CheckBox9",
         QStringLiteral("Atribut částka (2)"), "Edit21");

  Form optional(sheet);
  optional.heading(kOptional);
  optional.edit("Edit14", kCoefficient, 80);

  QVBoxLayout* layout = column(sheet);
  layout->addLayout(tree);
  layout->addSpacing(4);
  layout->addLayout(optional.layout());
  layout->addStretch();
  layout->addWidget(openInProgram("BitBtn2", sheet));
  return sheet;
}

QWidget* csvStatements(QWidget* parent) {
  QWidget* sheet = page("TabSheet3", parent);
  Form form(sheet);
  form.edit("Edit26", QStringLiteral("Oddělovač sloupců"), 30);
  form.number("Edit27", QStringLiteral("Pořadí sloupce s částkou"));
  form.number("Edit28", QStringLiteral("Pvní řádek aktiv v csv"));
  form.number("Edit29", QStringLiteral("Pvní řádek pasiv v csv"));
  form.number("Edit30", QStringLiteral("Pvní řádek výsledovky v csv"));
  form.edit("Edit31", kCoefficient, 80);
  form.add(QStringLiteral("Zatržením se importují i sumační řádky"), makeCheckBox("CheckBox12", {}, sheet));

  // The captions are the statement types' own, so the list and the reader cannot drift apart.
  QStringList types;
  for (const CsvStatementType& type : csvStatementTypes()) types << QString::fromUtf8(type.caption);
  formBesideRadioGroup(sheet, form, makeRadioGroup("RadioGroup1", QStringLiteral("Vybrat typ výkazu:"), types, sheet));
  return sheet;
}

QWidget* readOnly(QLineEdit* box) {
  box->setReadOnly(true);
  return box;
}

QWidget* ruz(QWidget* parent) {
  QWidget* sheet = page("TabSheet4", parent);
  Form form(sheet);
  form.heading(kOptional);
  form.edit("Edit34", kCoefficient, 80);
  form.wide(makeCheckBox("CheckBox13", kSumLines, sheet));
  form.wide(makeCheckBox("CheckBox15", kClearPeriod, sheet));
  form.add(QStringLiteral("Účetní jednotka"), readOnly(makeEdit("Edit35", 300, sheet)));
  form.add(QStringLiteral("Rok závěrky"), readOnly(makeEdit("Edit36", 80, sheet)));
  formOverButton(sheet, form, "BitBtn16");
  return sheet;
}

QWidget* taxPortal(QWidget* parent) {
  QWidget* sheet = page("TabSheet5", parent);
  Form form(sheet);
  form.heading(QStringLiteral("Daň z příjmů právnických osob"));
  form.heading(QStringLiteral("Povinné parametry:"));
  QGroupBox* forms = makeRadioGroup("RadioGroup3", {}, {QStringLiteral("DPPDP8"), QStringLiteral("DPPDP9")}, sheet);
  auto* years = new QWidget(sheet);
  auto* yearsLayout = new QVBoxLayout(years);
  yearsLayout->setContentsMargins(0, 6, 0, 0);
  yearsLayout->addWidget(makeLabel(QStringLiteral("2015, 2016, 2017, 2018, 2019, 2020"), years));
  yearsLayout->addWidget(makeLabel(QStringLiteral("2021, 2022"), years));
  yearsLayout->addStretch();
  auto* formRow = new QWidget(sheet);
  auto* formLayout = flushLayout<QHBoxLayout>(formRow);
  formLayout->addWidget(forms);
  formLayout->addWidget(years);
  formLayout->addStretch();
  form.wide(formRow);
  form.heading(kOptional);
  form.edit("Edit37", kCoefficient, 80);
  QCheckBox* sumLines = makeCheckBox("CheckBox14", kSumLines, sheet);
  sumLines->setEnabled(false);
  form.wide(sumLines);
  form.wide(makeCheckBox("CheckBox16", kClearPeriod, sheet));
  form.add(QStringLiteral("Účetní jednotka"), readOnly(makeEdit("Edit38", 300, sheet)));
  auto* yearBoxes = new QWidget(sheet);
  auto* yearBoxesLayout = flushLayout<QHBoxLayout>(yearBoxes);
  for (const char* name : {"Edit39", "Edit40", "Edit41"}) yearBoxesLayout->addWidget(readOnly(makeEdit(name, 80, yearBoxes)));
  yearBoxesLayout->addStretch();
  form.add(QStringLiteral("Rok závěrky"), yearBoxes);
  formOverButton(sheet, form, "BitBtn9");
  return sheet;
}

QWidget* p501(QWidget* parent) {
  QWidget* sheet = page("TabSheet6", parent);
  Form form(sheet);
  form.edit("Edit42", QStringLiteral("Oddělovač sloupců"), 30);
  form.number("Edit43", QStringLiteral("Pořadí sloupce s částkou"));
  form.number("Edit44", QStringLiteral("Pořadí sloupce s textem"));
  form.number("Edit45", QStringLiteral("Pořadí sloupce s označením"));
  form.number("Edit46", QStringLiteral("Pvní řádek výsledovky v csv"));
  form.number("Edit47", QStringLiteral("Pvní řádek rozvahy v csv"));
  formBesideRadioGroup(sheet, form, makeRadioGroup("RadioGroup2", QStringLiteral("Vybrat typ výkazu:"),
                                   {QStringLiteral("Výsledovka SBS1, zam. 50 a více"),
                                    QStringLiteral("Výsledovka SBS2, zam. 6 až 49"),
                                    QStringLiteral("Výsledovka SBS3 a SBS4, zam. 0 až 5"),
                                    QStringLiteral("Aktiva SBS1 až SBS4"), QStringLiteral("Pasiva FAP1 a FAP2")},
                                   sheet));
  return sheet;
}

// The page of each mode, with the controls its reader reads.
struct ModePage {
  ImportMode mode;
  QWidget* (*build)(QWidget* parent);
};
constexpr ModePage kPages[] = {
    {ImportMode::CsvTurnovers, csvTurnovers}, {ImportMode::XmlTurnovers, xmlTurnovers},
    {ImportMode::CsvStatement, csvStatements}, {ImportMode::RuzStatement, ruz},
    {ImportMode::TaxReturn, taxPortal},       {ImportMode::P501Report, p501},
};

// Every mode of the table has its page here.
QWidget* modePage(ImportMode mode, QWidget* parent) {
  return std::ranges::find(kPages, mode, &ModePage::mode)->build(parent);
}

}  // namespace

QTabWidget* buildModeTabs(QWidget* parent) {
  auto* tabs = new QTabWidget(parent);
  tabs->setObjectName(QStringLiteral("PageControl1"));
  tabs->setFixedSize(665, 345);
  for (const ImportModeRow& row : importModes()) {
    const int index = tabs->addTab(modePage(row.mode, tabs), QString::fromUtf8(row.tabCaption));
    tabs->setTabVisible(index, row.tabShownAtStart);
  }
  // The tab bar draws its current tab even when that tab is hidden, as a
  // sliver of its caption above the page; eliding squeezes that to nothing.
  tabs->setElideMode(Qt::ElideRight);
  return tabs;
}

}  // namespace kalkora
