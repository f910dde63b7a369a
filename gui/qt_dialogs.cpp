#include "gui/qt_dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QUrl>

namespace kalkora {
namespace {

QString q(const std::string& text) { return QString::fromStdString(text); }

// A box with one OK button and the application title unless a caption is given.
void showBox(QWidget* parent, QMessageBox::Icon icon, const QString& caption, const std::string& text,
             const char* objectName = nullptr) {
  QMessageBox box(icon, caption.isEmpty() ? QApplication::applicationName() : caption, q(text), QMessageBox::Ok,
                  parent);
  if (objectName) box.setObjectName(QString::fromLatin1(objectName));
  box.exec();
}

std::optional<std::string> chosen(const QString& path) {
  if (path.isEmpty()) return std::nullopt;
  return path.toStdString();
}

}  // namespace

QString qtFileFilter(const std::string& filter) {
  const QStringList parts = q(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) pattern = pattern.trimmed();
    filters << parts[i] + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

void QtDialogs::notice(const std::string& text) { showBox(parent_, QMessageBox::Information, {}, text); }

void QtDialogs::warning(const std::string& text) {
  showBox(parent_, QMessageBox::Warning, QStringLiteral("Upozornění"), text);
}

void QtDialogs::error(const std::string& text) {
  showBox(parent_, QMessageBox::Critical, {}, text, kErrorBoxName);
}

bool QtDialogs::ask(const std::string& question) {
  QMessageBox box(QMessageBox::Question, QApplication::applicationName(), q(question), QMessageBox::NoButton,
                  parent_);
  QPushButton* yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
  box.setDefaultButton(box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole));
  box.exec();
  return box.clickedButton() == yes;
}

// The file type list shows each description as the filter string gives it,
// without the patterns Qt would append to it once more.
constexpr QFileDialog::Options kFilterAsGiven = QFileDialog::HideNameFilterDetails;

std::optional<std::string> QtDialogs::openFile(const std::string& initialFolder, const std::string& filter) {
  return chosen(
      QFileDialog::getOpenFileName(parent_, {}, q(initialFolder), qtFileFilter(filter), nullptr, kFilterAsGiven));
}

std::optional<std::string> QtDialogs::saveFile(const std::string& initialFolder, const std::string& filter,
                                               const std::string& fileName, const std::string& defaultExtension) {
  QFileDialog dialog(parent_, {}, q(initialFolder), qtFileFilter(filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setOptions(kFilterAsGiven | QFileDialog::DontConfirmOverwrite);
  dialog.setDefaultSuffix(q(defaultExtension));
  dialog.selectFile(q(fileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  return chosen(dialog.selectedFiles().constFirst());
}

// False when Qt finds no program to hand the file to (xdg-open, a portal);
// a program that then fails on the file is not known here.
bool QtDialogs::openInShell(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(q(path)));
}

}  // namespace kalkora
