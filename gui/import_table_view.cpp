#include "gui/import_table_view.h"

#include <QHeaderView>
#include <QPainter>
#include <algorithm>

namespace kalkora {
namespace {

constexpr int kRowHeight = 20;
constexpr int kInset = 5;
constexpr int kRoomBesideLastColumn = 290;

bool rightAligned(int mode, int column) { return column == (mode == 6 ? 3 : 2); }

}  // namespace

void ImportTableDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const QRect cell = option.rect;
  const int row = ImportTableModel::tableRow(index);
  const bool selected = option.state.testFlag(QStyle::State_Selected);
  const QColor background =
      selected ? kSelectionColour : (row % 2 == 1 ? kBandColour : option.palette.color(QPalette::Base));
  painter->fillRect(cell, background);

  const QString text = index.data(Qt::DisplayRole).toString();
  if (text.isEmpty()) return;
  const QFontMetrics metrics(option.font);
  const int right = cell.x() + cell.width();
  const int bottom = cell.y() + cell.height();
  const int x = rightAligned(mode_(), ImportTableModel::tableColumn(index))
                    ? right - metrics.horizontalAdvance(text) - kInset
                    : cell.x() + kInset;
  const int top = (cell.y() + bottom) / 2 - metrics.height() / 2;

  painter->save();
  painter->setClipRect(cell);
  painter->setFont(option.font);
  painter->setPen(option.palette.color(QPalette::WindowText));
  painter->drawText(x, top + metrics.ascent(), text);
  painter->restore();
}

ImportTableView::ImportTableView(const ImportTable& table, std::function<int()> mode, QWidget* parent)
    : QTableView(parent), model_(new ImportTableModel(table, this)) {
  setObjectName(QStringLiteral("StringGrid1"));
  setModel(model_);
  setItemDelegate(new ImportTableDelegate(std::move(mode), this));
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setWordWrap(false);

  QPalette fixedCells = palette();
  fixedCells.setColor(QPalette::Button, kBandColour);
  fixedCells.setColor(QPalette::Window, kBandColour);
  for (QHeaderView* header : {horizontalHeader(), verticalHeader()}) {
    header->setPalette(fixedCells);
    header->setMinimumSectionSize(0);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  }
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  horizontalHeader()->setFixedHeight(kRowHeight);
  horizontalHeader()->setStretchLastSection(false);
}

void ImportTableView::reload() { model_->reload(); }

void ImportTableView::setColumnWidths(const std::array<int, ImportTable::kColumns>& widths) {
  verticalHeader()->setFixedWidth(widths[0]);
  for (int column = 1; column < ImportTable::kColumns; ++column) setColumnWidth(column - 1, widths[column]);
}

int ImportTableView::tableColumnWidth(int column) const {
  return column == 0 ? verticalHeader()->width() : columnWidth(column - 1);
}

void ImportTableView::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  setColumnWidth(ImportTable::kColumns - 2, std::max(0, width() - kRoomBesideLastColumn));
}

}  // namespace kalkora
