#include "gui/statement_export_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>


namespace kalkora {
namespace {

constexpr int kLeft = 8;
constexpr int kBarWidth = 385;
constexpr int kBarHeight = 17;

}  // namespace

TForm4::TForm4(Dialogs& dialogs, QWidget* parent) : ExportWindow(dialogs, "Form4", parent) {
  setFixedSize(409, 217);
  setFont(QFont(QStringList{QStringLiteral("MS Sans Serif"), QStringLiteral("DejaVu Sans")}, 8));
  // Fixed places, so hiding the clearing bar leaves the others where they are.
  Label4 = label("Label4", QStringLiteral("Mažu data"));
  Label4->setGeometry(kLeft, 8, kBarWidth, 14);
  ProgressBar3 = progressBar("ProgressBar3");
  ProgressBar3->setGeometry(kLeft, 24, kBarWidth, kBarHeight);
  clearingBar_ = ProgressBar3;
  Label2->setGeometry(kLeft, 48, kBarWidth, 14);
  ProgressBar1->setGeometry(kLeft, 64, kBarWidth, kBarHeight);
  Label3->setGeometry(kLeft, 88, kBarWidth, 14);
  ProgressBar2->setGeometry(kLeft, 104, kBarWidth, kBarHeight);
  QFont status = font();
  status.setPixelSize(16);
  Label1->setFont(status);
  Label1->setText(QString::fromUtf8(kExportWorking));
  Label1->setGeometry(kLeft, 134, width() - 2 * kLeft, 24);
  BitBtn1->setGeometry(width() - kLeft - 75, height() - 8 - 25, 75, 25);
}

void TForm4::setClearingShown(bool shown) {
  Label4->setVisible(shown);
  ProgressBar3->setVisible(shown);
}

}  // namespace kalkora
