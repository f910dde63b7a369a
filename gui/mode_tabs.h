#pragma once
#include <QTabWidget>

namespace kalkora {

// PageControl1: one tab per import mode, in the order and with the captions
// of the mode table, TabSheet1..TabSheet6 with every parameter control of
// every mode, named as the settings file and the readers know them. The tabs
// the table does not show at start are built hidden; their pages are shown
// only when the stored settings or a preset choose those modes.
QTabWidget* buildModeTabs(QWidget* parent);

// The object names of the four "Otevřít soubor" buttons.
inline constexpr const char* kOpenInProgramButtons[] = {"BitBtn1", "BitBtn2", "BitBtn16", "BitBtn9"};

}  // namespace kalkora
