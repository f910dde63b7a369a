// The window program with a real LibreOffice that shows its windows (on an X
// server of the test's own): the workbook stays open there, unsaved, and the
// next export writes into it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTabWidget>
#include <QTimer>
#include <cstdlib>
#include <functional>

#include "app/spreadsheet_backend.h"
#include "cli_process.h"
#include "export/export_progress.h"
#include "gui/turnover_export_window.h"
#include "libreoffice/libreoffice.h"
#include "platform/error.h"
#include "platform/file_system.h"
#include "platform/workbook_lock.h"
#include "testing/main_window_fixture.h"
#include "testing/virtual_display.h"

namespace kalkora {
namespace {

std::string slurp(const std::string& path) {
  DiskFileSystem disk;
  return disk.readFile(path);
}

class LibreOfficeWindowTest : public MainWindowTest {
 protected:
  e2e::ScratchDir home, dir;
  std::string previousHome;
  std::unique_ptr<VirtualDisplay> display;
  std::unique_ptr<LibreOfficeWindowSession> session;
  std::string xls, xlsBefore;
  int exportWindows = 0;

  void SetUp() override {
    if (!libreOfficeHasWindows()) GTEST_SKIP() << "LibreOffice bez oken, test se přeskakuje";
    display = std::make_unique<VirtualDisplay>();
    if (display->display().empty()) GTEST_SKIP() << "Bez X serveru, test se přeskakuje: " << display->why();
    // LibreOffice keeps its profile under HOME: ours, not the user's.
    if (const char* h = getenv("HOME")) previousHome = h;
    setenv("HOME", home.path.c_str(), 1);

    // A name as analysts give them: spaces and Czech letters, which the
    // document's address in LibreOffice carries encoded.
    xls = dir.file("Kalkora účetní závěrka 2026.xls");
    {
      const auto converter = startLibreOffice()->spreadsheet(Regional{});
      converter->open(KALKORA_EXAMPLE_WORKBOOK);
      converter->storeTo(xls);
      converter->close();
    }
    xlsBefore = slurp(xls);

    const std::string examples = KALKORA_EXAMPLES_DIR;
    for (const char* name : {"obraty.csv", "list_rozvaha.txt", "list_vysledovka.txt"})
      fs.files["/d/" + std::string(name)] = slurp(examples + "/" + name);
    session = std::make_unique<LibreOfficeWindowSession>(fs, Regional{}, [this](const std::string& path) {
      dialogs.openInShell(path);
    });
    form->setSpreadsheetFactory(makeWindowSpreadsheets(Backend::File, fs, Regional{}, dialogs, *session));
    Parameters& p = form->workspace().params;
    p.workbookPath = xls;
    p.balanceDefinitionPath = "/d/list_rozvaha.txt";
    p.incomeDefinitionPath = "/d/list_vysledovka.txt";
    find<QTabWidget>("PageControl1")->setCurrentIndex(2);  // mode 3, then 1
    find<QTabWidget>("PageControl1")->setCurrentIndex(0);
    setText("Edit3", "/d/obraty.csv");
    setText("Edit5", "1");
    setText("Edit6", "3");
    setText("Edit7", "2");
    click("BitBtn3");
  }

  void TearDown() override {
    // The program never ends the LibreOffice it showed the workbook in; the
    // test does, with the display it ran on.
    session.reset();
    killProcessesWithHome(home.path.string());
    display.reset();
    if (!previousHome.empty()) setenv("HOME", previousHome.c_str(), 1);
  }

  // Presses "Export do Kalkora" for the period and "Odchod" in every export
  // window once it has done its work; beforeLeaving runs in the first one
  // just before "Odchod".
  void exportPeriod(const std::string& period, std::function<void()> beforeLeaving = {}) {
    setText("Edit1", period);
    QTimer timer;
    timer.setInterval(20);
    QObject::connect(&timer, &QTimer::timeout, [&] {
      auto* form2 = qobject_cast<TForm2*>(QApplication::activeModalWidget());
      if (!form2) return;
      const QString status = form2->findChild<QLabel*>(QStringLiteral("Label1"))->text();
      const bool failed = !dialogs.shown.empty() && dialogs.shown.back().starts_with("error: ");
      if (status != QString::fromUtf8(kExportDone) && !failed) return;
      ++exportWindows;
      if (beforeLeaving) std::exchange(beforeLeaving, {})();
      form2->findChild<QAbstractButton*>(QStringLiteral("BitBtn1"))->click();
    });
    timer.start();
    click("BitBtn4");
  }

  // The cells of the period's column in the document LibreOffice shows, read
  // through a connection of our own to that LibreOffice; before any export
  // (end: Close) the workbook as LibreOffice loads it from the file.
  std::vector<std::string> shownColumn(int column, DocumentEnd end = DocumentEnd::LeaveOpen) {
    const auto shown = startLibreOffice(LibreOfficeKind::Window)->spreadsheet(Regional{}, end);
    shown->open(xls);
    std::vector<std::string> cells;
    for (int sheet : {2, 3})
      for (int row = 1; row <= 260; ++row) cells.push_back(shown->readCell(sheet, row, column));
    shown->close();
    return cells;
  }

  static int filled(const std::vector<std::string>& cells) {
    return static_cast<int>(std::count_if(cells.begin(), cells.end(), [](const auto& c) { return !c.empty(); }));
  }
};

}  // namespace

// Periods 1 and 2 one after the other: both land in the one document open in
// LibreOffice's window, which nobody saved and which outlives the program's
// session; the file on disk is as it was.
TEST_F(LibreOfficeWindowTest, TwoPeriodsFillTheDocumentLeftOpenAndUnsaved) {
  const std::vector<std::string> before = shownColumn(7, DocumentEnd::Close);
  exportPeriod("1");
  exportPeriod("2");
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
  EXPECT_EQ(exportWindows, 2);
  // The program lets go of LibreOffice without ending it: the document with
  // both periods is still there.
  form.reset();
  session.reset();
  std::vector<std::string> period1 = shownColumn(7), period2 = shownColumn(8);
  EXPECT_GT(filled(period1), filled(before) + 20);
  // The same figures for both periods, under their own headings.
  std::erase(period1, "Období 1");
  std::erase(period2, "Období 2");
  EXPECT_EQ(period2, period1);
  EXPECT_TRUE(slurp(xls) == xlsBefore);
}

// The user closes LibreOffice while the export window is open: switching
// recalculation back on fails, LibreOffice is started again, the workbook
// opened anew and the same export runs once more, into the new window.
TEST_F(LibreOfficeWindowTest, LibreOfficeClosedMeanwhileStartsItAgainAndRunsTheExportOnceMore) {
  const std::vector<std::string> before = shownColumn(7, DocumentEnd::Close);
  exportPeriod("1", [&] { killProcessesWithHome(home.path.string()); });
  EXPECT_TRUE(dialogs.shown.empty()) << dialogs.shown.front();
  EXPECT_EQ(exportWindows, 2);
  EXPECT_GT(filled(shownColumn(7)), filled(before) + 20);
  EXPECT_TRUE(slurp(xls) == xlsBefore);
}

// Another export of ours holds the workbook: the error box names it, and
// no export window opens, whereas LibreOffice would only have asked a
// question that nobody answers.
TEST_F(LibreOfficeWindowTest, AWorkbookAnotherExportHoldsIsRefusedWithItsHolderNamed) {
  const std::string lock = lockPathOf(xls);
  fs.files[lock] = lockFileText({"Kalkora import (karel)", "karel", "server", "09.12.2026 14:10", "kalkora-import:77"});
  fs.heldLocks.insert(lock);
  exportPeriod("1");
  EXPECT_EQ(exportWindows, 0);
  ASSERT_EQ(dialogs.shown.size(), 1u);
  EXPECT_EQ(dialogs.shown[0], "error: Do sešitu " + xls +
                                  " právě exportuje jiný běh programu Kalkora import (uživatel karel, počítač "
                                  "server, od 09.12.2026 14:10). Počkejte, až export skončí, a spusťte ho znovu.");
  EXPECT_TRUE(fs.heldLocks.count(lock));
}

}  // namespace kalkora
