#include "gui/turnover_export_window.h"

#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>


namespace kalkora {

TForm2::TForm2(Dialogs& dialogs, QWidget* parent) : ExportWindow(dialogs, "Form2", parent) {
  setFixedSize(411, 162);
  QFont larger = Label1->font();
  larger.setPointSizeF(larger.pointSizeF() * 1.3);
  Label1->setFont(larger);

  auto* layout = new QVBoxLayout(this);
  for (QWidget* w : {static_cast<QWidget*>(Label2), static_cast<QWidget*>(ProgressBar1),
                     static_cast<QWidget*>(Label3), static_cast<QWidget*>(ProgressBar2),
                     static_cast<QWidget*>(Label1)})
    layout->addWidget(w);
  layout->addWidget(BitBtn1, 0, Qt::AlignRight);
}

}  // namespace kalkora
