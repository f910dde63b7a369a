#include "gui/export_window.h"

#include <algorithm>

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "app/dialogs.h"
#include "app/spreadsheet_backend.h"

namespace kalkora {

ExportWindow::ExportWindow(Dialogs& dialogs, const char* objectName, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
  setObjectName(QString::fromLatin1(objectName));
  setWindowTitle(QStringLiteral("Naplnění Kalkora daty daného období"));
  Label2 = label("Label2", QStringLiteral("Plním rozvahu"));
  ProgressBar1 = progressBar("ProgressBar1");
  Label3 = label("Label3", QStringLiteral("Plním výsledovku"));
  ProgressBar2 = progressBar("ProgressBar2");
  Label1 = label("Label1", QString());
  BitBtn1 = new QPushButton(QStringLiteral("Odchod"), this);
  BitBtn1->setObjectName("BitBtn1");
  connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);
}

QLabel* ExportWindow::label(const char* name, const QString& text) {
  auto* l = new QLabel(text, this);
  l->setObjectName(name);
  return l;
}

QProgressBar* ExportWindow::progressBar(const char* name) {
  auto* b = new QProgressBar(this);
  b->setObjectName(name);
  b->setTextVisible(false);
  // A new bar stands at 0, as one that no export has advanced yet; Qt's own
  // start is "reset" (-1), which an export that leaves the bars alone would keep.
  b->setValue(0);
  return b;
}

void ExportWindow::showExport(ModeExporter exporter, const Workspace& ws, const Services& services,
                              Spreadsheet& spreadsheet) {
  if (backupNote_) backupNote_->hide();
  exportWork_ = [&] {
    exporter(ws, services, spreadsheet, *this);
    showBackupNote(spreadsheet);
  };
  if (parentWidget()) move(parentWidget()->pos() + QPoint(200, 200));
  exec();
  exportWork_ = nullptr;
}

void ExportWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  QTimer::singleShot(0, this, &ExportWindow::FormActivate);
}

void ExportWindow::FormActivate() {
  if (!exportWork_) return;
  const std::function<void()> work = std::move(exportWork_);
  exportWork_ = nullptr;
  raise();
  activateWindow();
  runOperation(dialogs_, [&] { runWorking(work); });
}

// A failed export is over: no hourglass, and no status line that still says
// it is working, while the user reads the error and afterwards.
void ExportWindow::runWorking(const std::function<void()>& work) {
  setBusy(true);
  try {
    work();
  } catch (...) {
    setBusy(false);
    setStatus(kExportFailed);
    throw;
  }
  setBusy(false);
}

void ExportWindow::showBackupNote(const Spreadsheet& spreadsheet) {
  const std::string path = spreadsheet.backupPath();
  if (path.empty()) return;
  if (!backupNote_) {
    backupNote_ = label("BackupNote", QString());
    backupNote_->setWordWrap(true);
    backupNote_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    backupNote_->setFont(small);
  }
  const QString fullPath = QString::fromStdString(path);
  backupNote_->setText(QString::fromStdString(backupNoticeFor(QFileInfo(fullPath).fileName().toStdString())));
  backupNote_->setToolTip(fullPath);
  // The free room left of "Odchod", from the status line down to the
  // window's bottom edge.
  constexpr int kMargin = 8;
  const int top = Label1->geometry().bottom() + 2;
  backupNote_->setGeometry(kMargin, top, std::max(0, BitBtn1->x() - 2 * kMargin), height() - top - 2);
  backupNote_->show();
}

QProgressBar* ExportWindow::bar(Bar which) const {
  switch (which) {
    case Bar::Balance: return ProgressBar1;
    case Bar::Income: return ProgressBar2;
    case Bar::Clearing: return clearingBar_;
  }
  return nullptr;
}

void ExportWindow::setMaximum(Bar which, int maximum) {
  QProgressBar* b = bar(which);
  if (!b) return;
  // A bar keeps its position, down to its new maximum.
  // A maximum of 0 (a return without income lines) would turn the bar into
  // Qt's endless busy animation; such a pass has no steps, the bar stays empty.
  const int position = b->value();
  b->setMaximum(std::max(maximum, 1));
  b->setValue(std::min(position, b->maximum()));
}

void ExportWindow::setPosition(Bar which, int position) {
  QProgressBar* b = bar(which);
  if (!b) return;
  // Past its maximum a bar stays full.
  b->setValue(std::min(position, b->maximum()));
  b->repaint();
}

void ExportWindow::setStatus(const std::string& text) {
  Label1->setText(QString::fromStdString(text));
  Label1->repaint();
}

void ExportWindow::setBusy(bool busy) {
  if (busy == busy_) return;
  busy_ = busy;
  if (busy)
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace kalkora
