#include "gui/xml_tab.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QWidget>

#include "model/xml_mapping.h"

namespace kalkora {
namespace {

QCheckBox* flagBox(QWidget* window, int part) {
  return window->findChild<QCheckBox*>(QStringLiteral("CheckBox%1").arg(part));
}

}  // namespace

void showXmlFlags(QWidget* window, const Parameters& params) {
  for (int part = 1; part <= kXmlPartCount; ++part) {
    QCheckBox* box = flagBox(window, part);
    if (!box) continue;
    const QSignalBlocker quiet(box);
    box->setChecked(xmlFlag(params, static_cast<XmlPart>(part)));
  }
}

void connectXmlRules(QWidget* window, Parameters& params) {
  for (int n = 1; n <= kXmlPartCount; ++n) {
    const auto part = static_cast<XmlPart>(n);
    if (QCheckBox* box = flagBox(window, n))
      QObject::connect(box, &QCheckBox::clicked, window, [window, &params, part](bool checked) {
        setXmlFlag(params, part, checked);
        showXmlFlags(window, params);
      });
    // Text set by the program fires too; it matches params then, so no rule runs twice.
    if (auto* name = window->findChild<QLineEdit*>(QString::fromLatin1(xmlNameControl(part))))
      QObject::connect(name, &QLineEdit::textChanged, window, [window, &params, part](const QString& text) {
        setXmlName(params, part, text.toStdString());
        showXmlFlags(window, params);
      });
  }
}

}  // namespace kalkora
