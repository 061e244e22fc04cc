#pragma once
// What the Advanced and Light pages take from the layout of the current
// language and the global options when the language is applied.

#include <QSize>

#include "resources/LayoutTable.h"
#include "settings/SegmentBar.h"

namespace veltrax::gui {

struct SettingsPageLook {
  const LayoutTable& layout;
  QSize window;
  BarLook look = BarLook::Slider;  // DPILED_Status
  int numOrder = 0;                // Num_Order
  int language = 1;

  Placement Place(const std::string& name) const { return layout.Place(name, window.width(), window.height()); }
};

}  // namespace veltrax::gui
