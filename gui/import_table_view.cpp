#include "gui/import_table_view.h"

#include <QHeaderView>

#include "app/import_modes.h"

namespace kalkora {
namespace {

// The table grows with the main window; its last column takes the room.
constexpr int kRoomBesideLastColumn = 290;

}  // namespace

ImportTableView::ImportTableView(const ImportTable& table, std::function<ImportMode()> mode, QWidget* parent)
    : StringGridView([mode = std::move(mode)] { return amountColumn(mode()); }, kRoomBesideLastColumn, parent),
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
