#pragma once
#include <QAbstractTableModel>

#include "model/import_table.h"

namespace kalkora {

// The import table as the view sees it: the data rows 1.. and columns 1..3
// are the model's cells; row 0 feeds the column headers and column 0 the row
// headers, so both stay fixed while the data scrolls. Nothing is copied: the
// view asks for the rows it draws, which keeps a million-row load responsive.
class ImportTableModel : public QAbstractTableModel {
 public:
  explicit ImportTableModel(const ImportTable& table, QObject* parent = nullptr)
      : QAbstractTableModel(parent), table_(table) {}

  // Call after the table changed underneath.
  void reload();
  // Call after only the header row changed; keeps selection and scrolling.
  void reloadHeaders() { emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1); }

  // Model index <-> table coordinates.
  static int tableRow(const QModelIndex& index) { return index.row() + 1; }
  static int tableColumn(const QModelIndex& index) { return index.column() + 1; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

 private:
  const ImportTable& table_;
};

}  // namespace kalkora
