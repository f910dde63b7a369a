#pragma once
#include <QDialog>
#include <string>

#include "turnovers/definition_editor.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace kalkora {

class Dialogs;
class FileSystem;
class DefinitionGridModel;
class StringGridView;

// TForm3, "Editace textových souborů": the definition editor. The grid shows
// one record a row; the account box below it edits the selected row's list.
// "Uložit změny do souboru" closes it with the result OK, any other way of
// closing with cancel; the caller then saves editor() where the user says.
class TForm3 : public QDialog {
  Q_OBJECT
 public:
  explicit TForm3(Dialogs& dialogs, QWidget* parent = nullptr);

  // Shows the editor modally, 20 pixels right of and below its parent, with
  // the file at path loaded; a file that cannot be read gives the error box
  // and an empty editor. True when the user pressed "Uložit změny do souboru".
  bool editFile(const FileSystem& fs, const std::string& path);
  const DefinitionEditor& editor() const { return editor_; }

  // Event handlers, named by control and event.
  void StringGrid1SelectCell(int row);  // data row from 0
  void Edit1Exit();
  void BitBtn1Click();

 private:
  void FormShow(const FileSystem& fs, const std::string& path);
  void showSelectedList();
  // The box holds an edit not yet stored in the selected row: the user
  // leaves it by the save button or a row chosen without moving the focus.
  bool boxHoldsAnEdit() const;

  Dialogs& dialogs_;
  DefinitionEditor editor_;
  DefinitionGridModel* model_;

  QPlainTextEdit* Memo1;
  StringGridView* StringGrid1;
  QLabel* Label1;
  QLineEdit* Edit1;
  QLabel* Label2;  // the note on entries the export would not read
  QPushButton* BitBtn1;
};

}  // namespace kalkora
