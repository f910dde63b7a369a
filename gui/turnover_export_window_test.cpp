#include "gui/turnover_export_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <utility>

#include "export/workbook_layout.h"
#include "testing/recording_spreadsheet.h"
#include "testing/main_window_fixture.h"
#include "turnovers/definition_file.h"

namespace kalkora {
namespace {

// A main window in mode 1 with a loaded turnover file and both definitions,
// whose export writes into recording spreadsheets.
class TurnoverExportWindowTest : public MainWindowTest {
 protected:
  std::vector<std::string> calls;  // of every spreadsheet the window opened
  int spreadsheets = 0;
  std::string statusWhenClosed, noteWhenClosed, noteToolTip;
  // The window as the user saw it when closing it: caption, labels, bar
  // maxima and positions, its offset from the main window.
  std::vector<std::string> windowWhenClosed;

  void SetUp() override {
    fs.files["/d/obraty.csv"] = "311;1000,5\r\n601;-200\r\n";
    fs.files["/d/rozvaha.txt"] = "Pohledávky\r\n   072 Pohledávky\r\n311,\r\n";
    fs.files["/d/vysledovka.txt"] = "Tržby\r\n   001Tržby\r\n-601,\r\n";
    form->setSpreadsheetFactory([this] {
      ++spreadsheets;
      auto s = std::make_unique<RecordingSpreadsheet>(
          std::vector<std::string>{"Úvod", "Rozvahy netto", "Výsledovky", "Analýza"});
      s->beforeCall = [this](const std::string& call) { calls.push_back(call); };
      s->backup = "/d/kalkora.2026-12-08_1415.bak.xlsx";
      s->protocol = "/d/kalkora.2026-12-08_1415.protokol.csv";
      return s;
    });
    Parameters& p = form->workspace().params;
    p.workbookPath = "/d/kalkora.xlsx";
    p.balanceDefinitionPath = "/d/rozvaha.txt";
    p.incomeDefinitionPath = "/d/vysledovka.txt";
    find<QTabWidget>("PageControl1")->setCurrentIndex(2);  // mode 3, then 1
    find<QTabWidget>("PageControl1")->setCurrentIndex(0);
    setText("Edit3", "/d/obraty.csv");
    setText("Edit5", "1");
    setText("Edit6", "2");
    setText("Edit1", "1");
    click("BitBtn3");
  }

  // Presses "Export do Kalkora" and, once the export window has done its
  // work (or shown its error), "Odchod"; beforeLeaving runs just before.
  void exportAndLeave(std::function<void(TForm2*)> beforeLeaving = {}) {
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* form2 = qobject_cast<TForm2*>(QApplication::activeModalWidget());
      if (!form2) return;
      const QString status = form2->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      const bool failed = !dialogs.shown.empty() && dialogs.shown.back().starts_with("error: ");
      if (status != QString::fromUtf8(kExportDone) && !failed) return;
      statusWhenClosed = status.toStdString();
      const auto* note = form2->findChild<QLabel*>(QStringLiteral("BackupNote"));
      noteWhenClosed = note && note->isVisible() ? note->text().toStdString() : "";
      noteToolTip = note ? note->toolTip().toStdString() : "";
      const auto* bar1 = form2->findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
      const auto* bar2 = form2->findChild<QProgressBar*>(QStringLiteral("ProgressBar2"));
      const QPoint offset = form2->pos() - form->pos();
      windowWhenClosed = {form2->windowTitle().toStdString(),
                          form2->findChild<QLabel*>(QStringLiteral("Label2"))->text().toStdString(),
                          form2->findChild<QLabel*>(QStringLiteral("Label3"))->text().toStdString(),
                          std::to_string(bar1->value()) + "/" + std::to_string(bar1->maximum()),
                          std::to_string(bar2->value()) + "/" + std::to_string(bar2->maximum()),
                          std::to_string(offset.x()) + "," + std::to_string(offset.y()),
                          std::to_string(form2->width()) + "x" + std::to_string(form2->height())};
      if (beforeLeaving) std::exchange(beforeLeaving, {})(form2);
      form2->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
    });
    timer.start();
    click("BitBtn4");
  }

  std::vector<std::string> writes() const {
    std::vector<std::string> w;
    for (const std::string& c : calls)
      if (c.starts_with("number")) w.push_back(c);
    return w;
  }
};

}  // namespace

TEST_F(TurnoverExportWindowTest, ExportButtonFillsThePeriodThroughTheExportWindow) {
  EXPECT_EQ(form->workspace().table.cell(3, 1), "  Pohledávky");
  exportAndLeave();
  EXPECT_EQ(statusWhenClosed, kExportDone);
  // Each name on its line, shortened at its start where the room is short,
  // and in full in the tool tip.
  EXPECT_TRUE(noteWhenClosed.starts_with("Záloha: ")) << noteWhenClosed;
  EXPECT_NE(noteWhenClosed.find("08_1415.bak.xlsx\nProtokol: "), std::string::npos) << noteWhenClosed;
  EXPECT_TRUE(noteWhenClosed.ends_with("08_1415.protokol.csv")) << noteWhenClosed;
  EXPECT_EQ(noteToolTip, "Předchozí verze sešitu zůstane uložena jako /d/kalkora.2026-12-08_1415.bak.xlsx "
                         "(ponechává se 10 nejnovějších záloh).\nProtokol exportu: "
                         "/d/kalkora.2026-12-08_1415.protokol.csv");
  // The protocol is written once the session has ended.
  EXPECT_EQ(fs.files.at("/d/kalkora.2026-12-08_1415.protokol.csv"),
            "\xEF\xBB\xBFList;Buňka;Řádek;Hodnota před exportem;Zapsaná hodnota;Zdroj\r\n"
            "Rozvahy netto;G72;Pohledávky;;1000,5;+311\r\n"
            "Výsledovky;G1;Tržby;;200;-601\r\n"
            "Nezařazené účty;;;;;Nezařazené účty: 0, celkem 0\r\n"
            "Celkem;;;;;zapsáno buněk: 2, z toho vymazaných: 0, poznámek: 1\r\n");
  EXPECT_EQ(windowWhenClosed, (std::vector<std::string>{"Naplnění Kalkora daty daného období", "Plním rozvahu",
                                                        "Plním výsledovku", "1/250", "1/90", "200,200", "411x162"}));
  EXPECT_EQ(writes(), (std::vector<std::string>{"number 2 72 7 1000,5", "number 3 1 7 200"}));
  EXPECT_EQ(calls[1], "open /d/kalkora.xlsx");
  EXPECT_EQ(calls[calls.size() - 2], "calculation automatic");
  EXPECT_EQ(calls.back(), "close");
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
}

// "Vrátit export" asks first; "Ne" keeps the export, "Ano" has the session
// write nothing back, and no protocol is written for it.
TEST_F(TurnoverExportWindowTest, UndoingTheExportLeavesTheWorkbookAsItWas) {
  std::string undoneNote;
  exportAndLeave([&](TForm2* form2) {
    auto* undo = form2->findChild<QAbstractButton*>(QStringLiteral("BitBtn2"));
    ASSERT_TRUE(undo && undo->isVisible());
    dialogs.answerNextQuestion(false);
    undo->click();
    EXPECT_TRUE(undo->isVisible());
    dialogs.answerNextQuestion(true);
    undo->click();
    EXPECT_FALSE(undo->isVisible());
    undoneNote = form2->findChild<QLabel*>(QStringLiteral("BackupNote"))->text().toStdString();
  });
  EXPECT_EQ(dialogs.shown, (std::vector<std::string>(2, std::string("question: ") + kUndoExportQuestion)));
  EXPECT_EQ(undoneNote, kExportUndone);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "drop"), 1);
  EXPECT_EQ(calls.back(), "close");
  EXPECT_FALSE(fs.fileExists("/d/kalkora.2026-12-08_1415.protokol.csv"));
}

TEST_F(TurnoverExportWindowTest, ExportErrorStaysInTheWindowWithoutARetry) {
  form->workspace().params.incomeDefinitionPath = "/d/chybi.txt";
  exportAndLeave();
  EXPECT_EQ(dialogs.shown, std::vector<std::string>{std::string("error: ") + kIncomeDefinitionMissing});
  EXPECT_EQ(statusWhenClosed, kExportWorking);
  EXPECT_EQ(noteWhenClosed, "");
  EXPECT_EQ(writes(), std::vector<std::string>{"number 2 72 7 1000,5"});
  EXPECT_EQ(spreadsheets, 1);
  EXPECT_EQ(calls.back(), "close");
}

// A period the workbook does not have is refused before anything starts,
// with the focus in the period box: below 1 with its own message, one beyond
// the last period with the one that names the box. An empty box is the
// export's to refuse, in its window, before it writes anything.
TEST_F(TurnoverExportWindowTest, PeriodsTheWorkbookLacksAreRefusedWithFocusInThePeriodBox) {
  form->show();
  QApplication::setActiveWindow(form.get());
  for (const char* period : {"00", "21"}) {
    setText("Edit1", period);
    edit("Edit4")->setFocus();
    click("BitBtn4");
    EXPECT_TRUE(edit("Edit1")->hasFocus()) << period;
  }
  EXPECT_EQ(dialogs.shown,
            (std::vector<std::string>{"notice: Není zadané žádné účetní období. Doplňte číslo sloupce ve Kalkora.",
                                      std::string("notice: ") + kPeriodRangeMessage}));
  EXPECT_EQ(spreadsheets, 0);
  setText("Edit1", "");
  exportAndLeave();
  EXPECT_EQ(dialogs.shown.back(), std::string("error: ") + kPeriodRangeMessage);
  EXPECT_TRUE(writes().empty());
}

}  // namespace kalkora
