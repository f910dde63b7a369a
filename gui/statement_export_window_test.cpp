#include "gui/statement_export_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "testing/main_window_fixture.h"
#include "testing/recording_spreadsheet.h"

namespace kalkora {
namespace {

// A main window whose statement exports write into recording spreadsheets
// with a marking column; the import table is filled as a reader leaves it.
class StatementExportWindowTest : public MainWindowTest {
 protected:
  std::vector<std::string> sheetNames = {"Úvod", "Rozvahy netto", "Výsledovky", "Analýza"};
  std::vector<std::string> calls;  // of every spreadsheet the window opened
  int spreadsheets = 0;
  // The window as the user saw it when closing it.
  std::string status;
  bool clearingShown = false;
  bool busyWhileOpen = false;
  QRect geometry;
  QPoint offset;
  QString bottomButton;
  std::string barPositions;  // ProgressBar1 to ProgressBar3
  int activations = 0;
  std::string backup;  // what the spreadsheet says it keeps
  QRect noteGeometry;  // of the backup note, empty when not shown

  void SetUp() override {
    form->setSpreadsheetFactory([this] {
      ++spreadsheets;
      auto s = std::make_unique<RecordingSpreadsheet>(sheetNames);
      for (int row = 1; row <= 160; ++row) {
        s->setCell(2, row, 6, std::to_string(row));
        s->setCell(3, row, 6, std::to_string(row));
      }
      s->beforeCall = [this](const std::string& call) { calls.push_back(call); };
      s->backup = backup;
      return s;
    });
    form->workspace().params.workbookPath = "/d/kalkora.xlsx";
    form->workspace().params.Edit1 = "2";
    form->writeControls();
  }

  void table(ImportMode mode, const std::vector<ImportTable::Row>& rows) {
    Workspace& ws = form->workspace();
    ws.mode = mode;
    ws.table.setRowCount(static_cast<int>(rows.size()) + 1);
    for (size_t i = 0; i < rows.size(); ++i)
      for (int c = 0; c < ImportTable::kColumns; ++c)
        ws.table.setCell(c, static_cast<int>(i) + 1, rows[i][static_cast<size_t>(c)]);
  }

  // Presses "Export do Kalkora" and, once the export window has finished (or
  // shown its error) and had the chance to run again, "Odchod".
  void exportAndLeave() {
    int ticks = 0;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* form4 = qobject_cast<TForm4*>(QApplication::activeModalWidget());
      if (!form4) return;
      const QString text = form4->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      const bool failed = !dialogs.shown.empty() && dialogs.shown.back().starts_with("error: ");
      if (text != QString::fromUtf8(kExportDone) && !failed) return;
      if (++ticks < 5) return;  // the window is active again after the error box
      status = text.toStdString();
      clearingShown = form4->findChild<QProgressBar*>(QStringLiteral("ProgressBar3"))->isVisibleTo(form4) &&
                      form4->findChild<QLabel*>(QStringLiteral("Label4"))->isVisibleTo(form4);
      busyWhileOpen = QGuiApplication::overrideCursor() != nullptr;
      barPositions.clear();
      for (const char* name : {"ProgressBar1", "ProgressBar2", "ProgressBar3"})
        barPositions += std::to_string(form4->findChild<QProgressBar*>(QString::fromLatin1(name))->value()) + " ";
      geometry = form4->geometry();
      const auto* note = form4->findChild<QLabel*>(QStringLiteral("BackupNote"));
      noteGeometry = note && note->isVisible() ? note->geometry() : QRect();
      offset = form4->pos() - form->pos();
      const auto* leave = form4->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"));
      bottomButton = leave->text() + " " + QString::number(leave->x() + leave->width()) + "," +
                     QString::number(leave->y() + leave->height());
      form4->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
    });
    timer.start();
    click("BitBtn4");
    // A balance-sheet lookup reads the name at position 2 once per name it compares.
    activations = static_cast<int>(std::count(calls.begin(), calls.end(), "name 2")) / 5;
  }

  std::vector<std::string> writes() const {
    std::vector<std::string> w;
    for (const std::string& c : calls)
      if (c.starts_with("number") || c.starts_with("zero")) w.push_back(c);
    return w;
  }
};

}  // namespace

TEST_F(StatementExportWindowTest, P501ThenRuzExportShowTheClearingBarOnlyForRuz) {
  // "Pasiva FAP1 a FAP2" touches no bar: a fresh window's bars stand at 0.
  form->workspace().params.RadioGroup2 = 4;
  form->writeControls();
  table(ImportMode::P501Report, {{"7", "", "A.", "12"}});
  exportAndLeave();
  EXPECT_EQ(status, kExportDone);
  EXPECT_EQ(barPositions, "0 0 0 ");
  EXPECT_TRUE(writes().empty());

  form->workspace().params.RadioGroup2 = 3;
  form->writeControls();
  table(ImportMode::P501Report, {{"7", "", "A.", "12"}, {"0", "", "B.", "3"}});
  exportAndLeave();
  EXPECT_EQ(status, kExportDone);
  EXPECT_FALSE(clearingShown);
  EXPECT_EQ(writes(), std::vector<std::string>{"number 2 7 8 12"});
  EXPECT_EQ(geometry.size(), QSize(409, 217));
  EXPECT_EQ(offset, QPoint(200, 200));
  EXPECT_EQ(bottomButton, QStringLiteral("Odchod 401,209"));
  EXPECT_EQ(calls.back(), "close");

  calls.clear();
  sheetNames[1] = "Súvahy netto";
  std::vector<ImportTable::Row> ruz(206, ImportTable::Row{"", "0", "0", "Výsledovka"});
  ruz[0] = {"", "1", "5", "Rozvaha aktiva"};
  table(ImportMode::RuzStatement, ruz);
  find<QCheckBox>("CheckBox15")->setChecked(true);
  backup = "/d/kalkora.2026-12-08_1415.bak.xlsx";
  exportAndLeave();
  EXPECT_EQ(status, kExportDone);
  EXPECT_TRUE(clearingShown);
  // The note on the backup sits left of "Odchod", below the status line; the
  // window keeps its size and the button its place.
  ASSERT_FALSE(noteGeometry.isEmpty());
  EXPECT_EQ(geometry.size(), QSize(409, 217));
  EXPECT_EQ(bottomButton, QStringLiteral("Odchod 401,209"));
  EXPECT_LT(noteGeometry.right(), 401 - 75);
  EXPECT_GT(noteGeometry.top(), 134 + 24);
  EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.starts_with("zero"); }),
            116 + 45);
  EXPECT_EQ(writes().back(), "number 2 1 8 5");
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
}

// A failed pass is over: the window keeps the hourglass no longer while the
// error is read and until "Odchod", and its status line what the pass left.
TEST_F(StatementExportWindowTest, AFailedRuzPassGivesTheNormalCursorBackAndDoesNotRunAgain) {
  sheetNames[1] = "Súvahy netto";
  table(ImportMode::RuzStatement, {{"", "1", "abc", "Rozvaha aktiva"}});
  exportAndLeave();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{"error: Částka „abc“ na řádku 1 tabulky není platné číslo."});
  EXPECT_EQ(status, kExportWorking);
  EXPECT_FALSE(busyWhileOpen);
  EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
  EXPECT_EQ(spreadsheets, 1);
  EXPECT_EQ(activations, 1);
}

}  // namespace kalkora
