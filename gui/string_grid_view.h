#pragma once
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <functional>

namespace kalkora {

// The band colour of odd data rows and of the window; the selection colour is
// the one Windows gives inactive caption gradients.
inline const QColor kBandColour{245, 248, 255};
inline const QColor kSelectionColour{215, 228, 242};

// Draws a data cell of a string grid: the row's background filled first, the
// text 5 pixels in from the side it is aligned to, vertically centred with
// whole-pixel halves. Model row r and column c are grid row and column r + 1
// and c + 1; the column drawn right-aligned is asked at drawing time.
class GridCellDelegate : public QStyledItemDelegate {
 public:
  GridCellDelegate(std::function<int()> rightAlignedColumn, QObject* parent)
      : QStyledItemDelegate(parent), rightAlignedColumn_(std::move(rightAlignedColumn)) {}
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  std::function<int()> rightAlignedColumn_;
};

// A grid of four text columns as the program's windows show them: the header
// row and the narrow column 0 are the view's fixed headers, whole rows are
// selected, nothing is edited in place, rows are 20 pixels high, and when the
// grid is resized the last column takes its width beyond the room the grid's
// owner leaves beside it (asked at that time); it never gets more than that.
class StringGridView : public QTableView {
 public:
  static constexpr int kColumns = 4;

  StringGridView(std::function<int()> rightAlignedColumn, std::function<int()> roomBesideLastColumn,
                 QWidget* parent = nullptr);

  // Widths of grid columns 0..3; column 0 is the fixed row-header column. The
  // last column gets less when the grid has no room for it.
  void setColumnWidths(const std::array<int, kColumns>& widths);
  int tableColumnWidth(int column) const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The width of the last column that ends where the grid does.
  int lastColumnRoom() const;

  std::function<int()> roomBesideLastColumn_;
};

}  // namespace kalkora
