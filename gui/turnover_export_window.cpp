#include "gui/turnover_export_window.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/dialogs.h"

namespace kalkora {
namespace {

// The hourglass for as long as the export works, back to normal however it ends.
struct BusyCursor {
  BusyCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
  ~BusyCursor() { QGuiApplication::restoreOverrideCursor(); }
};

QLabel* label(QWidget* parent, const char* name, const QString& text) {
  auto* l = new QLabel(text, parent);
  l->setObjectName(name);
  return l;
}

QProgressBar* progressBar(QWidget* parent, const char* name) {
  auto* b = new QProgressBar(parent);
  b->setObjectName(name);
  b->setTextVisible(false);
  return b;
}

}  // namespace

TForm2::TForm2(Dialogs& dialogs, QWidget* parent) : QDialog(parent), dialogs_(dialogs) {
  setObjectName("Form2");
  setWindowTitle(QStringLiteral("Naplnění Kalkora daty daného období"));
  setFixedSize(411, 162);

  Label2 = label(this, "Label2", QStringLiteral("Plním rozvahu"));
  ProgressBar1 = progressBar(this, "ProgressBar1");
  Label3 = label(this, "Label3", QStringLiteral("Plním výsledovku"));
  ProgressBar2 = progressBar(this, "ProgressBar2");
  Label1 = label(this, "Label1", QString());
  QFont larger = Label1->font();
  larger.setPointSizeF(larger.pointSizeF() * 1.3);
  Label1->setFont(larger);
  BitBtn1 = new QPushButton(QStringLiteral("Odchod"), this);
  BitBtn1->setObjectName("BitBtn1");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(ProgressBar1),
                     static_cast<QWidget*>(Label3), static_cast<QWidget*>(ProgressBar2),
                     static_cast<QWidget*>(Label1)})
    layout->addWidget(w);
  layout->addWidget(BitBtn1, 0, Qt::AlignRight);
}

void TForm2::showExport(const Workspace& ws, const FileSystem& fs, Spreadsheet& spreadsheet) {
  ws_ = &ws;
  fs_ = &fs;
  spreadsheet_ = &spreadsheet;
  if (parentWidget()) move(parentWidget()->pos() + QPoint(200, 200));
  exec();
  ws_ = nullptr;
  fs_ = nullptr;
  spreadsheet_ = nullptr;
}

void TForm2::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Once per showing, after the window has appeared; regaining the focus
  // after the error box does not run it again.
  QTimer::singleShot(0, this, &TForm2::FormActivate);
}

void TForm2::FormActivate() {
  if (!spreadsheet_) return;
  raise();
  activateWindow();
  std::optional<std::string> failure;
  {
    BusyCursor busy;
    try {
      NaplnDaty(*ws_, *fs_, *spreadsheet_, *this);
    } catch (const std::exception& e) {
      failure = e.what();
    }
  }
  spreadsheet_ = nullptr;
  if (failure) dialogs_.error(*failure);
}

QProgressBar* TForm2::bar(Bar which) const { return which == Bar::Balance ? ProgressBar1 : ProgressBar2; }

void TForm2::setMaximum(Bar which, int maximum) { bar(which)->setMaximum(maximum); }

void TForm2::setPosition(Bar which, int position) {
  // Past its maximum a bar stays full, as a records count above it would leave it.
  QProgressBar* b = bar(which);
  b->setValue(std::min(position, b->maximum()));
  b->repaint();
}

void TForm2::setStatus(const std::string& text) {
  Label1->setText(QString::fromStdString(text));
  Label1->repaint();
}

}  // namespace kalkora
