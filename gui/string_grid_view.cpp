#include "gui/string_grid_view.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

namespace kalkora {
namespace {

constexpr int kRowHeight = 20;
constexpr int kInset = 5;

}  // namespace

void GridCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  const QRect cell = option.rect;
  const int row = index.row() + 1;
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QColor background =
      selected ? kSelectionColour : (row % 2 == 1 ? kBandColour : option.palette.color(QPalette::Base));
  painter->fillRect(cell, background);

  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  const QFontMetrics metrics(option.font);
  const int right = cell.x() + cell.width();
  const int bottom = cell.y() + cell.height();
  const int x = index.column() + 1 == rightAlignedColumn_() ? right - metrics.horizontalAdvance(text) - kInset
                                                            : cell.x() + kInset;
  const int top = (cell.y() + bottom) / 2 - metrics.height() / 2;

  painter->save();
  painter->setClipRect(cell);
  painter->setFont(option.font);
  painter->setPen(option.palette.color(QPalette::WindowText));
  painter->drawText(x, top + metrics.ascent(), text);
  painter->restore();
}

StringGridView::StringGridView(std::function<int()> rightAlignedColumn, std::function<int()> roomBesideLastColumn,
                               QWidget* parent)
    : QTableView(parent), roomBesideLastColumn_(std::move(roomBesideLastColumn)) {
  setItemDelegate(new GridCellDelegate(std::move(rightAlignedColumn), this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  horizontalHeader()->setFixedHeight(kRowHeight);
  horizontalHeader()->setStretchLastSection(false);
}

void StringGridView::setColumnWidths(const std::array<int, kColumns>& widths) {
  verticalHeader()->setFixedWidth(widths[0]);
  for (int column = 1; column < kColumns; ++column) setColumnWidth(column - 1, widths[column]);
  // A grid not shown yet has no width of its own; its first showing resizes
  // it, which gives the last column its room.
  if (isVisible()) setColumnWidth(kColumns - 2, std::min(widths[kColumns - 1], lastColumnRoom()));
}

int StringGridView::lastColumnRoom() const { return std::max(0, width() - roomBesideLastColumn_()); }

int StringGridView::tableColumnWidth(int column) const {
  return column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
}

void StringGridView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  setColumnWidth(kColumns - 2, lastColumnRoom());
}

}  // namespace kalkora
