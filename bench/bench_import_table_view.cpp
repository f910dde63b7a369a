// Times the import table view over a large table: showing the reloaded
// table, painting its first screen, jumping to the last row and painting
// there, and selecting a row.
//   bench_import_table_view [rows...]   default: 100000 1000000
#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "gui/import_table_view.h"

namespace {

double milliseconds(QElapsedTimer& timer) {
  const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
  timer.restart();
  return ms;
}

void run(int rows) {
  kalkora::ImportTable table;
  table.setRowCount(rows + 1);
  for (int r = 1; r <= rows; ++r) {
    table.setCell(1, r, std::to_string(100000 + r));
    table.setCell(2, r, std::to_string(r) + ",50");
  }
  kalkora::ImportTableView view(table, [] { return kalkora::ImportMode::CsvTurnovers; });
  view.resize(600, 500);
  view.show();
  QApplication::processEvents();

  QElapsedTimer timer;
  timer.start();
  view.reload();
  QApplication::processEvents();
  const double reload = milliseconds(timer);
  view.grab();
  const double firstScreen = milliseconds(timer);
  view.scrollToBottom();
  view.grab();
  const double lastScreen = milliseconds(timer);
  view.selectRow(rows - 1);
  view.grab();
  const double select = milliseconds(timer);
  std::printf("%9d rows: reload %.1f ms, first screen %.1f ms, last screen %.1f ms, select+paint %.1f ms\n", rows,
              reload, firstScreen, lastScreen, select);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc < 2) {
    run(100000);
    run(1000000);
  }
  for (int i = 1; i < argc; ++i) run(std::atoi(argv[i]));
}
