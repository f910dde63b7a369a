#include "gui/qt_dialogs.h"

#include <gtest/gtest.h>

namespace kalkora {

TEST(QtFileFilter, TurnsDescriptionPatternPairsIntoQtFilters) {
  EXPECT_EQ(qtFileFilter("podporované soubory (*.csv, *.xml)|*.csv;*.xml| csv soubory (*.csv)|*.csv|"
                         "XML soubory (*.xml)|*.xml")
                .toStdString(),
            "podporované soubory (*.csv, *.xml) (*.csv *.xml);; csv soubory (*.csv) (*.csv);;"
            "XML soubory (*.xml) (*.xml)");
  EXPECT_EQ(qtFileFilter("excel soubory (*.xls;*.xlsx;*.xlsm)|*.xls;*.xlsx;*.xlsm|všechny soubory (*.*)|*.*")
                .toStdString(),
            "excel soubory (*.xls;*.xlsx;*.xlsm) (*.xls *.xlsx *.xlsm);;všechny soubory (*.*) (*.*)");
  EXPECT_EQ(qtFileFilter("txt soubory (*.txt)|*.txt").toStdString(), "txt soubory (*.txt) (*.txt)");
  // A description without its pattern is no filter.
  EXPECT_EQ(qtFileFilter("pdf soubory (*.pdf)").toStdString(), "");
}

}  // namespace kalkora
