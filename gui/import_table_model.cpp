#include "gui/import_table_model.h"

namespace kalkora {
namespace {

QString text(const std::string& cell) { return QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size())); }

}  // namespace

void ImportTableModel::reload() {
  beginResetModel();
  endResetModel();
}

int ImportTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : table_.rowCount() - 1;
}

int ImportTableModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : ImportTable::kColumns - 1;
}

QVariant ImportTableModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return text(table_.cell(tableColumn(index), tableRow(index)));
}

QVariant ImportTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Horizontal) return text(table_.cell(section + 1, 0));
  return text(table_.cell(0, section + 1));
}

Qt::ItemFlags ImportTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

}  // namespace kalkora
