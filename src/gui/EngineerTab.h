#pragma once
// The engineer page's engineer tab (ts_Engineer), shown while engineer
// access is unlocked: the MCU LED modes offered, the fire function's
// trigger, and the vendor and product codes read from the mouse.

#include <QWidget>

namespace veltrax::gui {

class EngineerForm;

void BuildEngineerTab(EngineerForm& form, QWidget* sheet);

}  // namespace veltrax::gui
