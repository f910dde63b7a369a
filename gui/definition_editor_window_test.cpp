#include "gui/definition_editor_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <sstream>

#include "gui/string_grid_view.h"
#include "platform/cp1250.h"
#include "testing/main_window_fixture.h"

namespace kalkora {
namespace {

constexpr const char* kFilter = "txt soubory (*.txt)|list*.txt| všechny soubory (*.*)|*.*";

std::string exampleFile(const char* name) {
  std::ifstream in(std::string(KALKORA_EXAMPLES_DIR) + "/" + name, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The main window with the editor driven through its controls while it is up.
class DefinitionEditorWindowTest : public MainWindowTest {
 protected:
  const std::string folder = QCoreApplication::applicationDirPath().toStdString();
  int openings = 0;

  // The first showing of the main window enables the definition buttons.
  void SetUp() override { form->FormActivate(); }

  // Presses "Editovat definice"; once the editor is up, inEditor runs with it.
  // An editor still open afterwards is closed with its close box.
  void openEditor(const std::function<void(TForm3&)>& inEditor = {}) {
    bool ran = false;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* form3 = qobject_cast<TForm3*>(QApplication::activeModalWidget());
      if (!form3 || ran) return;
      ran = true;
      ++openings;
      QApplication::setActiveWindow(form3);
      if (inEditor) inEditor(*form3);
      if (form3->isVisible()) form3->close();
    });
    timer.start();
    click("ToolButton5");
  }

  static StringGridView* grid(TForm3& f) { return f.findChild<StringGridView*>(QStringLiteral("StringGrid1")); }
  static QLineEdit* box(TForm3& f) { return f.findChild<QLineEdit*>(QStringLiteral("Edit1")); }
  static std::string cell(TForm3& f, int row, int column) {
    const QAbstractItemModel* m = grid(f)->model();
    return m->data(m->index(row - 1, column - 1)).toString().toStdString();
  }
  static void clickRow(TForm3& f, int row) {
    StringGridView* g = grid(f);
    QTest::mouseClick(g->viewport(), Qt::LeftButton, {}, g->visualRect(g->model()->index(row - 1, 0)).center());
  }
  // Types into the account box as the user does, the box holding the focus.
  static void type(TForm3& f, const char* text) {
    box(f)->setFocus();
    box(f)->selectAll();
    QTest::keyClicks(box(f), QString::fromUtf8(text));
  }
};

}  // namespace

TEST_F(DefinitionEditorWindowTest, ShowsTheChosenFileInTheLaidOutEditorAndItsCloseBoxSavesNothing) {
  fs.files["/d/list_a.txt"] = utf8ToCp1250(
      "Zásoby\r\n   012 C.I. Zásoby\r\n11,12,\r\n\r\n   013 bez popisu\r\n311,\r\nPohledávky\r\n\r\n\r\n\r\n");
  dialogs.answerNextFile("/d/list_a.txt");
  openEditor([&](TForm3& f) {
    EXPECT_EQ(f.windowTitle().toStdString(), "Editace textových souborů");
    EXPECT_EQ(f.size(), QSize(803, 562));
    EXPECT_EQ(f.font().families().value(0).toStdString(), "Arial");
    EXPECT_EQ(f.font().pointSize(), 9);
    EXPECT_EQ(f.pos() - form->pos(), QPoint(20, 20));
    const QStringList rules = f.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"))->toPlainText().split('\n');
    ASSERT_EQ(rules.size(), 7);
    EXPECT_EQ(rules[2].toStdString(), "Změna účtů vstupujícího do daného řádku ve Kalkora:");
    EXPECT_EQ(rules[5].toStdString(), " * Účet, který se na řádku odečítá, má před sebou znaménko \"mínus\".");
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label1"))->text().toStdString(),
              "V tomto poli editujete účty v daném řádku");
    EXPECT_EQ(box(f)->width(), 305);
    EXPECT_EQ(f.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->text().toStdString(),
              "Uložit změny do souboru");

    StringGridView* g = grid(f);
    EXPECT_NE(dynamic_cast<GridCellDelegate*>(g->itemDelegate()), nullptr);
    EXPECT_EQ(g->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(g->editTriggers(), QAbstractItemView::NoEditTriggers);
    const QAbstractItemModel* m = g->model();
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString().toStdString(), " Popis řádku");
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString().toStdString(), " Číslo řádku");
    EXPECT_EQ(m->headerData(2, Qt::Horizontal).toString().toStdString(), " Syntetické účty");
    for (int column = 0; column < 3; ++column)
      EXPECT_EQ(g->tableColumnWidth(column), (std::array{11, 320, 80}[column]));
    EXPECT_EQ(g->tableColumnWidth(3), g->width() - 440);
    f.resize(1000, 600);
    QApplication::sendPostedEvents();
    EXPECT_EQ(g->tableColumnWidth(3), g->width() - 440);

    // The record without a description stays; the blank lines at the end go.
    ASSERT_EQ(m->rowCount(), 3);
    EXPECT_EQ(cell(f, 1, 2), "   012");
    EXPECT_EQ(box(f)->text().toStdString(), "11,12,");
    g->setFocus();
    QTest::keyClick(g, Qt::Key_Down);
    EXPECT_EQ(box(f)->text().toStdString(), "311,");
    type(f, "99");
    f.close();
  });
  EXPECT_EQ(openings, 1);
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"open: " + folder + " | " + kFilter});
}

TEST_F(DefinitionEditorWindowTest, EditsLandInTheRowSelectedWhileTypingAndSaveWritesThemUnderTheChosenName) {
  const std::string original = exampleFile("list_rozvaha.txt");
  ASSERT_FALSE(original.empty());
  fs.files["/d/list_rozvaha.txt"] = original;
  dialogs.answerNextFile("/d/list_rozvaha.txt");
  dialogs.answerNextFile("/d/list_nova.txt");
  std::string noteShown;
  openEditor([&](TForm3& f) {
    clickRow(f, 2);
    type(f, "01, 07,31a1");
    clickRow(f, 5);  // the edit goes into row 2, the box shows row 5
    noteShown = f.findChild<QLabel*>(QStringLiteral("Label2"))->text().toStdString();
    EXPECT_EQ(cell(f, 2, 3), "01,07,31a1,");
    type(f, "311, -391");
    // Saved straight from the box: the last edit is not lost.
    f.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
  });
  EXPECT_EQ(noteShown, "Neznámý zápis účtu: 31a1");
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>{"open: " + folder + " | " + kFilter,
                                                     "save: " + folder + " | " + kFilter + " | list_rozvaha.txt | txt"}));

  // Every other byte as it was: only the two account lines changed.
  std::vector<std::string> lines;
  for (std::string_view line : splitLines(original)) lines.emplace_back(line);
  lines[3 + 2] = "01,07,31a1,";
  lines[12 + 2] = "311,-391,";
  std::string expected;
  for (const std::string& line : lines) expected += line + "\r\n";
  EXPECT_EQ(fs.files["/d/list_nova.txt"], expected);
  EXPECT_EQ(fs.files["/d/list_rozvaha.txt"], original);
}

TEST_F(DefinitionEditorWindowTest, EveryOpeningReloadsKeepingOnlyTheWindowSize) {
  std::string big;
  for (int i = 1; i <= 250; ++i) big += "Řádek " + std::to_string(i) + "\r\n   " + std::to_string(i) + " X\r\n1,\r\n";
  fs.files["/d/list_velky.txt"] = big;
  fs.files["/d/list_maly.txt"] = "A\r\n   006 A\r\n353,\r\n";

  dialogs.answerNextFile("/d/list_velky.txt");
  openEditor([&](TForm3& f) {
    EXPECT_EQ(grid(f)->model()->rowCount(), 250);
    f.resize(900, 640);
    grid(f)->setColumnWidths({11, 100, 100, 100});
    clickRow(f, 3);
    type(f, "31a1");
    clickRow(f, 4);
  });
  dialogs.answerNextFile("/d/list_maly.txt");
  dialogs.answerNextFile("/d/list_kopie.txt");
  openEditor([&](TForm3& f) {
    EXPECT_EQ(f.size(), QSize(900, 640));
    EXPECT_EQ(grid(f)->tableColumnWidth(1), 320);
    EXPECT_EQ(grid(f)->model()->rowCount(), 1);
    EXPECT_EQ(box(f)->text().toStdString(), "353,");
    EXPECT_EQ(f.findChild<QLabel*>(QStringLiteral("Label2"))->text().toStdString(), "");
    f.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
  });
  EXPECT_EQ(fs.files["/d/list_kopie.txt"], fs.files["/d/list_maly.txt"]);
  // Cancelling the file dialog after a saved opening shows no editor and no save dialog.
  openEditor();
  EXPECT_EQ(openings, 2);
  EXPECT_EQ(dialogs.shown.size(), 4u);
  EXPECT_TRUE(dialogs.shown.back().starts_with("open: ")) << dialogs.shown.back();
  EXPECT_EQ(fs.files.size(), 3u);
}

TEST_F(DefinitionEditorWindowTest, FileErrorsShowTheirMessageAndChangeNothing) {
  fs.files["/d/list_a.txt"] = "A\r\n   006 A\r\n353,\r\n";
  fs.unreadable = "/d/list_a.txt";
  dialogs.answerNextFile("/d/list_a.txt");
  openEditor([&](TForm3& f) {
    EXPECT_EQ(grid(f)->model()->rowCount(), 1);
    EXPECT_EQ(cell(f, 1, 1), "");
    EXPECT_EQ(box(f)->text().toStdString(), "");
  });
  EXPECT_EQ(dialogs.shown.back(), "error: Soubor nelze otevřít: /d/list_a.txt.");

  fs.unreadable.clear();
  fs.unwritable = "/d/list_a.txt";
  dialogs.answerNextFile("/d/list_a.txt");
  dialogs.answerNextFile("/d/list_a.txt");
  openEditor([&](TForm3& f) {
    type(f, "311");
    f.findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
  });
  EXPECT_EQ(dialogs.shown.back(), "error: Soubor nelze zapsat: /d/list_a.txt.");
  EXPECT_EQ(fs.files["/d/list_a.txt"], "A\r\n   006 A\r\n353,\r\n");
}

}  // namespace kalkora
