// The main window's controls and their placement.
#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "app/erp_presets.h"
#include "export/workbook_layout.h"
#include "gui/main_window.h"
#include "gui/mode_tabs.h"
#include "gui/widget_factory.h"

namespace kalkora {
namespace {

QFrame* rule(QWidget* parent) {
  auto* line = new QFrame(parent);
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  return line;
}

QLabel* heading(const QString& text, QWidget* parent) {
  QLabel* label = makeLabel(text, parent);
  QFont bold = label->font();
  bold.setBold(true);
  label->setFont(bold);
  return label;
}

struct ToolButtonSpec {
  const char* name;
  const char* caption;
  const char* hint;
  QStyle::StandardPixmap icon;
  bool separatorBefore;
};

constexpr ToolButtonSpec kToolButtons[] = {
    {"ToolButton2", "Zdrojový soubor s daty", "Zadat cestu k souboru s daty", QStyle::SP_DialogOpenButton, false},
    {"ToolButton1", "Cílový Kalkora", "Zadat cestu k souboru Kalkora", QStyle::SP_FileDialogDetailedView, false},
    {"ToolButton11", "Definice rozvahy", "", QStyle::SP_FileIcon, true},
    {"ToolButton12", "  Definice výsledovky  ", "", QStyle::SP_FileIcon, false},
    {"ToolButton5", "Editovat definice", "Editovat textové soubory rozvahy a výsledovky",
     QStyle::SP_FileDialogContentsView, false},
    {"ToolButton6", "Kontrola účtů", "Kontrola účtů", QStyle::SP_DialogApplyButton, false},
    {"ToolButton8", "Manuál v PDF", "Nápověda", QStyle::SP_DialogHelpButton, true},
    {"ToolButton9", "Ukončit Import dat", "Odchod z programu", QStyle::SP_DialogCloseButton, true},
};

}  // namespace

QWidget* TForm1::buildCentral() {
  auto* central = new QWidget(this);
  auto* layout = new QVBoxLayout(central);
  layout->setContentsMargins(8, 4, 8, 4);
  layout->addWidget(buildPathBoxes());
  layout->addWidget(rule(central));
  layout->addWidget(buildLoadRow());
  layout->addWidget(rule(central));
  auto* body = new QHBoxLayout;
  body->addWidget(buildModeArea(), 0);
  body->addSpacing(8);
  body->addWidget(buildTableArea(), 1);
  layout->addLayout(body, 1);
  return central;
}

void TForm1::buildToolBar() {
  auto* bar = new QToolBar(this);
  bar->setObjectName(QStringLiteral("ToolBar1"));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  for (const ToolButtonSpec& spec : kToolButtons) {
    if (spec.separatorBefore) bar->addSeparator();
    auto* button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(spec.name));
    button->setText(QString::fromUtf8(spec.caption));
    button->setIcon(style()->standardIcon(spec.icon));
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setFixedSize(141, 52);
    setHint(button, QString::fromUtf8(spec.hint));
    bar->addWidget(button);
  }
  addToolBar(Qt::TopToolBarArea, bar);
}

QWidget* TForm1::buildPathBoxes() {
  auto* row = new QWidget(this);
  auto* layout = flushLayout<QHBoxLayout>(row);
  layout->setSpacing(20);
  const std::pair<const char*, const char*> boxes[] = {
      {"Edit3", "Zdrojový soubor s obraty nebo výkazy"},
      {"Edit4", "Cílový program Kalkora pro import dat"},
      {"Edit24", "Vybraný soubor definice rozvahy"},
      {"Edit25", "Vybraný soubor definice výsledovky"},
  };
  for (const auto& [name, caption] : boxes) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(makeLabel(QString::fromUtf8(caption), row));
    QLineEdit* box = makeEdit(name, 270, row);
    // The path boxes stand out from the band-coloured window.
    setMenuColour(box);
    column->addWidget(box);
    layout->addLayout(column);
  }
  findChild<QLineEdit*>(QStringLiteral("Edit3"))->setReadOnly(true);
  findChild<QLineEdit*>(QStringLiteral("Edit4"))->setReadOnly(true);
  layout->addStretch();
  return row;
}

QWidget* TForm1::buildLoadRow() {
  auto* row = new QWidget(this);
  auto* layout = flushLayout<QHBoxLayout>(row);
  QPushButton* load = makeButton("BitBtn3", QStringLiteral("Načíst data ze souboru"), row);
  load->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
  load->setMinimumSize(200, 32);
  setHint(load, QStringLiteral("Tímto tlačítkem načtete soubor csv podle nastavených parametrů"));
  layout->addWidget(load);
  layout->addSpacing(8);
  layout->addWidget(makeLabel(
      QStringLiteral("* data budou načtena podle definice níže\nje třeba mít aktivní záložku s vaším nastavením"), row));
  layout->addStretch();
  layout->addWidget(makeLabel(QStringLiteral("Číslo období ve Kalkora"), row));
  layout->addWidget(withUpDown(makeEdit("Edit1", 40, row), 0, kLastPeriod, row));
  layout->addSpacing(12);
  QPushButton* exportButton = makeButton("BitBtn4", QStringLiteral("Export do Kalkora"), row);
  exportButton->setIcon(style()->standardIcon(QStyle::SP_ArrowRight));
  exportButton->setMinimumSize(200, 32);
  setHint(exportButton, QStringLiteral("Exportovat data z tabulky do Kalkora"));
  layout->addWidget(exportButton);
  return row;
}

QWidget* TForm1::buildModeArea() {
  auto* area = new QWidget(this);
  auto* layout = flushLayout<QVBoxLayout>(area);
  layout->addWidget(heading(QStringLiteral("Nastavení importu dat do Kalkora z  různých souborů:"), area));
  tabs_ = buildModeTabs(area);
  layout->addWidget(tabs_);
  layout->addWidget(makeLabel(QStringLiteral("Možné nastavení pro ERP systém (klikněte na název systému):"), area));
  auto* names = new QGridLayout;
  names->setHorizontalSpacing(24);
  int index = 0;
  for (const ErpPreset& preset : erpPresets()) {
    const QString sectionName = QString::fromLatin1(preset.section);
    auto* label =
        new ClickableLabel(QString::fromUtf8(preset.caption), [this, sectionName] { presetClick(sectionName); }, area);
    label->setObjectName(QString::fromLatin1(preset.label));
    QFont underlined = label->font();
    underlined.setUnderline(true);
    label->setFont(underlined);
    label->setStyleSheet(QStringLiteral("color: rgb(0, 0, 160);"));
    names->addWidget(label, index / 5, index % 5);
    ++index;
  }
  names->setColumnStretch(5, 1);
  layout->addLayout(names);
  layout->addStretch();
  return area;
}

QWidget* TForm1::buildTableArea() {
  auto* area = new QWidget(this);
  auto* layout = flushLayout<QVBoxLayout>(area);
  layout->addWidget(heading(QStringLiteral("Kontrolní tabulka naimportovaných dat"), area));
  table_ = new ImportTableView(ws_.table, [this] { return ws_.mode; }, area);
  layout->addWidget(table_, 1);
  auto* csvRow = new QHBoxLayout;
  QLineEdit* path = makeEdit("Edit10", 270, area);
  path->setMaximumWidth(QWIDGETSIZE_MAX);
  path->setMinimumWidth(200);
  csvRow->addWidget(path, 1);
  csvRow->addWidget(makeButton("BitBtn5", QStringLiteral("Export tabulky do csv souboru"), area));
  layout->addLayout(csvRow);
  return area;
}

void TForm1::buildStatusBar() {
  auto* bar = new QStatusBar(this);
  bar->setObjectName(QStringLiteral("StatusBar1"));
  bar->setSizeGripEnabled(true);
  const int widths[] = {650, 100, 100, 50};
  for (size_t i = 0; i < statusPanels_.size(); ++i) {
    auto* panel = new QLabel(bar);
    panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(widths[i]);
    // The last panel reaches to the window's edge, as the version text needs.
    const bool last = i + 1 == statusPanels_.size();
    if (!last) panel->setFixedWidth(widths[i]);
    bar->addWidget(panel, last ? 1 : 0);
    statusPanels_[i] = panel;
  }
  unassignedPanel_ = new QLabel(bar);
  unassignedPanel_->setObjectName(QStringLiteral("StatusPanelUnassigned"));
  unassignedPanel_->setFrameShape(QFrame::StyledPanel);
  unassignedPanel_->setFrameShadow(QFrame::Sunken);
  unassignedPanel_->hide();
  bar->addPermanentWidget(unassignedPanel_);
  setStatusBar(bar);
}

}  // namespace kalkora
