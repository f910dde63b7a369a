#include "gui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace kalkora {

void setUpApplication() {
  QApplication::setApplicationName(QStringLiteral("Import dat do aplikace Kalkora"));
  // The desktop file names the program for the window manager, which finds
  // the icon by it.
  QGuiApplication::setDesktopFileName(QStringLiteral("cz.kalkora.KalkoraImport"));
  // Qt's own texts (file dialogs, buttons, the edit boxes' context menu) in
  // Czech like the rest of the program.
  auto* qtCzech = new QTranslator(qApp);
  if (qtCzech->load(QLocale(QLocale::Czech, QLocale::CzechRepublic), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(qtCzech);
}

}  // namespace kalkora
