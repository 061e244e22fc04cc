#pragma once
// What the Advanced and Light pages take from the layout of the current
// language and the global options when the language is applied.

#include <QFont>
#include <QSize>
#include <QString>

#include "gui/SkinFont.h"
#include "resources/LayoutTable.h"
#include "settings/SegmentBar.h"

namespace veltrax::gui {

struct SettingsPageLook {
  const LayoutTable& layout;
  QSize window;
  BarLook look = BarLook::Slider;  // DPILED_Status
  int numOrder = 0;                // Num_Order
  int language = 1;
  QString fontName;  // the language's FontName

  Placement Place(const std::string& name) const { return layout.Place(name, window.width(), window.height()); }
  // The language's font in the size of a layout key ("Size_D").
  QFont Font(const std::string& sizeKey) const;
};

inline QFont SettingsPageLook::Font(const std::string& sizeKey) const {
  return SkinFont(fontName, layout.IntOr(sizeKey, 9));
}

}  // namespace veltrax::gui
