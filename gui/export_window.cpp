#include "gui/export_window.h"

#include <algorithm>

#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QStringList>
#include <QPushButton>
#include <QTimer>

#include "app/dialogs.h"
#include "app/protocolled_export.h"
#include "app/spreadsheet_backend.h"
#include "export/spreadsheet.h"

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
                              Spreadsheet& spreadsheet, CellOrigins& origins) {
  if (backupNote_) backupNote_->hide();
  if (BitBtn2) BitBtn2->hide();
  finished_ = nullptr;
  exportWork_ = [&] {
    exporter(ws, services, spreadsheet, *this, origins);
    showFinished(spreadsheet);
  };
  if (parentWidget()) move(parentWidget()->pos() + QPoint(200, 200));
  exec();
  exportWork_ = nullptr;
  finished_ = nullptr;
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

// A failed export is over: no hourglass while the user reads the error and
// afterwards. The status line stays as the export left it.
void ExportWindow::runWorking(const std::function<void()>& work) {
  setBusy(true);
  try {
    work();
  } catch (...) {
    setBusy(false);
    throw;
  }
  setBusy(false);
}

// The note gives the two files' names, each on a line of its own, where the
// room left of the buttons is too narrow shortened at their start, so that
// the date and time of the export stay; its tool tip says it all in full.
void ExportWindow::showFinished(Spreadsheet& spreadsheet) {
  const std::string backup = spreadsheet.backupPath();
  const std::string protocol = spreadsheet.protocolPath();
  const auto name = [](const std::string& path) { return QFileInfo(QString::fromStdString(path)).fileName(); };
  std::vector<NoteLine> lines;
  QStringList full;
  if (!backup.empty()) {
    lines.push_back({QStringLiteral("Záloha: "), name(backup)});
    full << QString::fromStdString(backupNoticeFor(backup));
  }
  if (!protocol.empty()) {
    lines.push_back({QStringLiteral("Protokol: "), name(protocol)});
    full << QString::fromStdString(protocolNotice(protocol));
  }
  if (spreadsheet.canDropChanges()) {
    finished_ = &spreadsheet;
    if (!BitBtn2) {
      BitBtn2 = new QPushButton(QStringLiteral("Vrátit export"), this);
      BitBtn2->setObjectName("BitBtn2");
      connect(BitBtn2, &QPushButton::clicked, this, &ExportWindow::BitBtn2Click);
    }
    BitBtn2->setGeometry(BitBtn1->x() - 8 - 95, BitBtn1->y(), 95, BitBtn1->height());
    BitBtn2->show();
  }
  if (!lines.empty()) placeNote(lines, full.join(QLatin1Char('\n')));
}

void ExportWindow::BitBtn2Click() {
  if (!finished_ || !dialogs_.ask(kUndoExportQuestion)) return;
  finished_->dropChanges();
  finished_ = nullptr;
  BitBtn2->hide();
  placeNote({{QString::fromUtf8(kExportUndone), {}}}, {});
}

void ExportWindow::placeNote(const std::vector<NoteLine>& lines, const QString& toolTip) {
  if (!backupNote_) {
    backupNote_ = label("BackupNote", QString());
    backupNote_->setWordWrap(true);
    backupNote_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    backupNote_->setFont(small);
  }
  // The free room left of the buttons, from the status line down to the
  // window's bottom edge.
  constexpr int kMargin = 8;
  const QPushButton* leftmost = BitBtn2 && BitBtn2->isVisible() ? BitBtn2 : BitBtn1;
  const int top = Label1->geometry().bottom() + 2;
  backupNote_->setGeometry(kMargin, top, std::max(0, leftmost->x() - 2 * kMargin), height() - top - 2);
  const QFontMetrics metrics = backupNote_->fontMetrics();
  QStringList shown;
  for (const NoteLine& line : lines) {
    const int room = backupNote_->width() - metrics.horizontalAdvance(line.title);
    shown << line.title + (line.name.isEmpty() ? QString() : metrics.elidedText(line.name, Qt::ElideLeft, room));
  }
  backupNote_->setText(shown.join(QLatin1Char('\n')));
  backupNote_->setToolTip(toolTip);
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
