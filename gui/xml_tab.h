#pragma once
#include "model/parameters.h"

class QWidget;

namespace kalkora {

// Keeps the check boxes and name boxes of the tab "Xml soubor obratů"
// (found by object name below `window`) in step with the XML rules as the
// user clicks and types: every change goes into `params` through the rules
// and the eleven check boxes then show the flags as the rules left them.
// `params` must outlive `window`.
void connectXmlRules(QWidget* window, Parameters& params);

// Shows the flags of `params` in the eleven check boxes.
void showXmlFlags(QWidget* window, const Parameters& params);

}  // namespace kalkora
