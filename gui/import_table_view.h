#pragma once
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <functional>

#include "gui/import_table_model.h"

namespace kalkora {

// The band colour of odd data rows and of the window; the selection colour is
// the one Windows gives inactive caption gradients.
inline const QColor kBandColour{245, 248, 255};
inline const QColor kSelectionColour{215, 228, 242};

// Draws a data cell: the row's background filled first, the text 5 pixels in
// from the side it is aligned to, vertically centred with whole-pixel halves.
// Turnovers and statements right-align the amount in column 2, the P 5-01
// report in column 3; the mode is asked at drawing time.
class ImportTableDelegate : public QStyledItemDelegate {
 public:
  ImportTableDelegate(std::function<int()> mode, QObject* parent) : QStyledItemDelegate(parent), mode_(std::move(mode)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  std::function<int()> mode_;
};

// StringGrid1: the import table on the main window. Whole rows are selected,
// nothing is edited in place, rows are 20 pixels high.
class ImportTableView : public QTableView {
 public:
  ImportTableView(const ImportTable& table, std::function<int()> mode, QWidget* parent = nullptr);

  // Shows the table's current contents.
  void reload();
  void reloadHeaders() { model_->reloadHeaders(); }
  // Widths of table columns 0..3; column 0 is the fixed row-header column.
  void setColumnWidths(const std::array<int, ImportTable::kColumns>& widths);
  int tableColumnWidth(int column) const;

 protected:
  // The table grows with the main window; its last column takes the room.
  void resizeEvent(QResizeEvent* event) override;

 private:
  ImportTableModel* model_;
};

}  // namespace kalkora
