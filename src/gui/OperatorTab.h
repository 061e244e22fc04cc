#pragma once
// The engineer page's operator tab (ts_Operator): a plain control for every
// parameter the engineer controls hold (DPI levels and AIM key, key mode
// and its memory and switch methods, fire key, lighting of either LED type,
// key mode colours, sensor orientation, vendor and product codes), the 18
// key buttons btn_Key101..109 and btn_Key201..209 in their groups, and the
// key test button. Controls of the other LED type are hidden.

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <array>

#include "settings/KeyModeOptions.h"
#include "settings/Lighting.h"

namespace veltrax::gui {

class EngineerForm;

struct OperatorWidgets {
  // btn_Key101..109 (index 0..8), then btn_Key201..209.
  std::array<QPushButton*, 18> keys{};
  // gbKeyMode1 (Mode A), gbKeyMode2 (Mode B).
  std::array<QGroupBox*, 2> keyGroups{};
  QPushButton* testKeys = nullptr;
  QLabel* notes = nullptr;  // the text under lbl_Notes
};

// The Light and Advanced pages keep their own bars and fire key edits; the
// rules the operator tab shares with them write those too, and the pages
// take them again from the controls when told that the controls changed.
struct SharedEdits {
  LightBars bars;
  FireKeyEdits fireKey;
};

OperatorWidgets BuildOperatorTab(EngineerForm& form, QWidget* sheet, SharedEdits& shared);

}  // namespace veltrax::gui
