#include "gui/import_table_view.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

namespace kalkora {
namespace {

struct TableView : ::testing::Test {
  ImportTable table;
  ImportMode mode = ImportMode::CsvTurnovers;
  ImportTableView view{table, [this] { return mode; }};

  void SetUp() override {
    view.resize(600, 300);
    view.show();
    view.setColumnWidths({11, 110, 120, 180});
  }

  // The colour of a data row's cell in column `column`, a few pixels inside its left edge.
  QColor cellColour(const QImage& image, int row, int column) {
    const int x = view.frameWidth() + view.verticalHeader()->width() + view.columnViewportPosition(column - 1) + 2;
    const int y = view.frameWidth() + view.horizontalHeader()->height() + view.rowViewportPosition(row - 1) + 2;
    return image.pixelColor(x, y);
  }

  // Paints one cell alone and returns the columns of pixels that hold text.
  std::pair<int, int> inkSpan(int row, int column, int width = 120) {
    QImage image(width, 20, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, width, 20);
    option.font = view.font();
    option.palette = view.palette();
    option.state = QStyle::State_Enabled;
    view.itemDelegate()->paint(&painter, option, view.model()->index(row - 1, column - 1));
    painter.end();
    int first = -1, last = -1;
    for (int x = 0; x < width; ++x)
      for (int y = 0; y < 20; ++y)
        if (qGray(image.pixel(x, y)) < 128) {
          if (first < 0) first = x;
          last = x;
        }
    return {first, last};
  }
};

}  // namespace

TEST_F(TableView, BandsOddRowsAndColoursTheSelectedRowWhole) {
  view.reload();
  view.selectRow(3);  // table row 4
  const QImage image = view.grab().toImage();
  const QColor window = view.palette().color(QPalette::Base);
  for (int column = 1; column <= 3; ++column) {
    EXPECT_EQ(cellColour(image, 1, column), kBandColour) << column;
    EXPECT_EQ(cellColour(image, 2, column), window) << column;
    EXPECT_EQ(cellColour(image, 3, column), kBandColour) << column;
    EXPECT_EQ(cellColour(image, 4, column), kSelectionColour) << column;
    EXPECT_EQ(cellColour(image, 5, column), kBandColour) << column;
  }
}

TEST_F(TableView, AlignsTheAmountColumnOfTheModeFivePixelsInFromItsSide) {
  table.setCell(2, 1, "1234");
  table.setCell(3, 1, "1234");
  view.reload();

  mode = ImportMode::CsvTurnovers;  // turnovers and statements: the amount in column 2 on the right
  EXPECT_LE(inkSpan(1, 2).second, 120 - 5);
  EXPECT_GT(inkSpan(1, 2).first, 60);
  EXPECT_LE(inkSpan(1, 3).first, 10);
  EXPECT_GE(inkSpan(1, 3).first, 5);

  mode = ImportMode::P501Report;  // the P 5-01 report: the amount in column 3 on the right
  EXPECT_LE(inkSpan(1, 2).first, 10);
  EXPECT_GT(inkSpan(1, 3).first, 60);
}

TEST_F(TableView, ShowsHeaderRowAndColumnZeroAsFixedHeaders) {
  table.setRowCount(3);
  table.setCell(1, 0, " Text výkazu");
  table.setCell(0, 2, "12");
  table.setCell(1, 2, "Tržby");
  view.reload();
  const QAbstractItemModel& model = *view.model();
  EXPECT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.columnCount(), 3);
  EXPECT_EQ(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral(" Text výkazu"));
  EXPECT_EQ(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("12"));
  EXPECT_EQ(model.data(model.index(1, 0)).toString(), QStringLiteral("Tržby"));
  EXPECT_FALSE(model.flags(model.index(1, 0)).testFlag(Qt::ItemIsEditable));
  EXPECT_EQ(view.rowHeight(0), 20);
}

// With the turnover widths the last column takes the width beyond 290
// pixels. With the P 5-01 report's it ends where the table does, at its
// widths and after a resize, so that the amounts drawn right-aligned in it
// are seen without scrolling.
TEST_F(TableView, LastColumnTakesTheWidthBeyondTheOthersAndEndsWithTheTable) {
  view.setColumnWidths({11, 110, 120, 180});
  view.resize(800, 300);
  EXPECT_EQ(view.tableColumnWidth(3), 800 - 290);
  view.setColumnWidths({30, 280, 70, 100});
  EXPECT_EQ(view.tableColumnWidth(0), 30);
  EXPECT_EQ(view.tableColumnWidth(1), 280);
  EXPECT_EQ(view.tableColumnWidth(3), 100);
  view.show();
  for (const int width : {555, 460}) {
    view.resize(width, 300);
    EXPECT_EQ(view.tableColumnWidth(3), width - 290 - (30 + 280 + 70 - (11 + 110 + 120))) << width;
  }
  view.setColumnWidths({30, 280, 70, 100});
  EXPECT_EQ(view.tableColumnWidth(3), 460 - 429);
  EXPECT_EQ(view.horizontalScrollBar()->maximum(), 0);
}

}  // namespace kalkora
