#include "gui/definition_editor_window.h"

#include <QAbstractTableModel>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <exception>
#include <iterator>
#include <optional>

#include "app/dialogs.h"
#include "gui/input_rules.h"
#include "gui/string_grid_view.h"
#include "gui/widget_factory.h"

namespace kalkora {

namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

constexpr const char* kRules[] = {
    "Nastavení rozvahy a výsledovky musí zachovávat pevná pravidla. Jejich porušením riskujete, že Kalkora nebude "
    "správně naplněn.",
    "",
    "Změna účtů vstupujícího do daného řádku ve Kalkora:",
    " * Můžete přidávat do řádků další účty i editovat stávající",
    " * Každý účet musí být zakončen čárkou, i ten poslední. Mezi účty, ani na konci řádku, nesmí být žádná mezera.",
    " * Účet, který se na řádku odečítá, má před sebou znaménko \"mínus\".",
    " * Účet, kde se rozlišují stavy aktivní/pasivní, má za sebou znaky \"<\" a \">\" (daně, DPH, sociální "
    "zabezpečení atd.)",
};

constexpr const char* kHeaders[] = {" Popis řádku", " Číslo řádku", " Syntetické účty"};
// Column 3 takes the grid's width beyond the other columns and this room.
constexpr int kRoomBesideAccounts = 440;
constexpr int kRowNumberColumn = 2;

}  // namespace

// The editor's records as the grid shows them: description, the row number's
// six characters, the account list; nothing is edited in the grid itself.
class DefinitionGridModel : public QAbstractTableModel {
 public:
  DefinitionGridModel(const DefinitionEditor& editor, QObject* parent)
      : QAbstractTableModel(parent), editor_(editor) {}

  void reload() {
    beginResetModel();
    endResetModel();
  }
  void listChanged(int row) { emit dataChanged(index(row, 2), index(row, 2)); }

  int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : editor_.rowCount(); }
  int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : 3; }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole || !index.isValid()) return {};
    const DefinitionRecord& record = editor_.row(index.row());
    if (index.column() == 0) return q(record.description);
    if (index.column() == 1) return q(definitionRowNumber(record));
    return q(record.accounts);
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role) const override {
    if (role != Qt::DisplayRole) return {};
    if (orientation == Qt::Vertical) return QString();
    return QString::fromUtf8(kHeaders[section]);
  }

  Qt::ItemFlags flags(const QModelIndex&) const override { return Qt::ItemIsEnabled | Qt::ItemIsSelectable; }

 private:
  const DefinitionEditor& editor_;
};

TForm3::TForm3(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), model_(new DefinitionGridModel(editor_, this)) {
  setObjectName(QStringLiteral("Form3"));
  setWindowTitle(QStringLiteral("Editace textových souborů"));
  setFont(QFont(QStringList{QStringLiteral("Arial"), QStringLiteral("Liberation Sans")}, 9));

  Memo1 = new QPlainTextEdit(this);
  Memo1->setObjectName(QStringLiteral("Memo1"));
  QStringList rules;
  for (const char* line : kRules) rules << QString::fromUtf8(line);
  Memo1->setPlainText(rules.join(QLatin1Char('\n')));
  Memo1->setReadOnly(true);
  setMenuColour(Memo1);
  Memo1->setFixedHeight(Memo1->fontMetrics().lineSpacing() * (static_cast<int>(std::size(kRules)) + 1) + 12);

  StringGrid1 = new StringGridView([] { return kRowNumberColumn; }, [] { return kRoomBesideAccounts; }, this);
  StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
  StringGrid1->setModel(model_);
  connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (current.isValid()) StringGrid1SelectCell(current.row());
          });

  Label1 = makeLabel(QStringLiteral("V tomto poli editujete účty v daném řádku"), this);
  Label1->setObjectName(QStringLiteral("Label1"));
  Edit1 = makeEdit("Edit1", 305, this);
  onLeavingForAnotherControl(Edit1, [this] { Edit1Exit(); });
  Label2 = makeLabel(QString(), this);
  Label2->setObjectName(QStringLiteral("Label2"));
  BitBtn1 = makeButton("BitBtn1", QStringLiteral("Uložit změny do souboru"), this);
  // Enter in the account box does not close the editor: a cancelled save
  // dialog after it would drop every edit.
  BitBtn1->setAutoDefault(false);
  connect(BitBtn1, &QPushButton::clicked, this, &TForm3::BitBtn1Click);

  auto* box = new QVBoxLayout;
  box->setSpacing(2);
  box->addWidget(Label1);
  box->addWidget(Edit1);
  box->addWidget(Label2);
  auto* bottom = new QHBoxLayout;
  bottom->addLayout(box);
  bottom->addStretch();
  bottom->addWidget(BitBtn1, 0, Qt::AlignBottom);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(Memo1);
  layout->addWidget(StringGrid1, 1);
  layout->addLayout(bottom);

  resize(803, 562);
}

bool TForm3::editFile(const FileSystem& fs, const std::string& path) {
  FormShow(fs, path);
  return exec() == QDialog::Accepted;
}

void TForm3::FormShow(const FileSystem& fs, const std::string& path) {
  if (parentWidget()) move(parentWidget()->pos() + QPoint(20, 20));
  Edit1->clear();
  Label2->clear();
  StringGrid1->setColumnWidths({11, 320, 80, std::max(0, StringGrid1->width() - kRoomBesideAccounts)});
  std::optional<std::string> failure;
  try {
    editor_.load(fs, path);
  } catch (const std::exception& e) {
    failure = e.what();
  }
  model_->reload();
  {
    // The box shows the first row's list as it is; nothing was left yet.
    const QSignalBlocker quiet(StringGrid1->selectionModel());
    StringGrid1->setCurrentIndex(model_->index(0, 0));
  }
  StringGrid1->scrollToTop();
  showSelectedList();
  if (failure) dialogs_.error(*failure);
}

void TForm3::StringGrid1SelectCell(int row) {
  if (boxHoldsAnEdit()) Edit1Exit();
  editor_.select(row);
  showSelectedList();
}

void TForm3::Edit1Exit() {
  const std::string list = editor_.leaveAccountBox(Edit1->text().toStdString());
  Edit1->setText(q(list));
  model_->listChanged(editor_.selected());
  Label2->setText(q(unknownEntriesNote(list)));
}

void TForm3::BitBtn1Click() {
  if (Edit1->hasFocus() || boxHoldsAnEdit()) Edit1Exit();
  accept();
}

void TForm3::showSelectedList() { Edit1->setText(q(editor_.row(editor_.selected()).accounts)); }

bool TForm3::boxHoldsAnEdit() const {
  return Edit1->text().toStdString() != editor_.row(editor_.selected()).accounts;
}

}  // namespace kalkora
