#include "gui/import_table_view.h"

#include <QHeaderView>

#include "app/import_modes.h"

namespace kalkora {
namespace {

// The table grows with the main window; its last column takes the room. With
// the turnover widths (11, 110 and 120 before it) it leaves 290 pixels to the
// other columns, the frame and the vertical scroll bar; other widths (the P
// 5-01 report's, or a column the user dragged) leave the frame and the scroll
// bar the same 49, so that the last column ends where the table does and its
// right-aligned P 5-01 amounts are seen without scrolling.
constexpr int kRoomForFrameAndScrollBar = 290 - (11 + 110 + 120);

}  // namespace

ImportTableView::ImportTableView(const ImportTable& table, std::function<ImportMode()> mode, QWidget* parent)
    : StringGridView([mode = std::move(mode)] { return amountColumn(mode()); },
                     [this] {
                       return tableColumnWidth(0) + tableColumnWidth(1) + tableColumnWidth(2) +
                              kRoomForFrameAndScrollBar;
                     },
                     parent),
      model_(new ImportTableModel(table, this)) {
  setObjectName(QStringLiteral("StringGrid1"));
  setModel(model_);
  QPalette fixedCells = palette();
  fixedCells.setColor(QPalette::Button, kBandColour);
  fixedCells.setColor(QPalette::Window, kBandColour);
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) header->setPalette(fixedCells);
}

void ImportTableView::reload() { model_->reload(); }

}  // namespace kalkora
