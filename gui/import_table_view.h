#pragma once
#include <functional>

#include "gui/import_table_model.h"
#include "gui/string_grid_view.h"
#include "model/import_mode.h"

namespace kalkora {

// StringGrid1: the import table on the main window. The amount column of the
// import mode is right-aligned (column 2, in the P 5-01 report column 3); the
// mode is asked at drawing time. Its fixed cells take the band colour.
class ImportTableView : public StringGridView {
 public:
  static_assert(ImportTable::kColumns == StringGridView::kColumns);

  ImportTableView(const ImportTable& table, std::function<ImportMode()> mode, QWidget* parent = nullptr);

  // Shows the table's current contents.
  void reload();
  void reloadHeaders() { model_->reloadHeaders(); }

 private:
  ImportTableModel* model_;
};

}  // namespace kalkora
