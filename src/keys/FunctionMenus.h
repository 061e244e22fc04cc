#pragma once
// The cascade of assignment menus: which panels exist, their entries in
// display order, the entries' captions and the panels' sizes. The widgets
// only show what this decides.

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/TextTable.h"

namespace veltrax {

enum class MenuPanel {
  Main,       // Pnl_Main
  MouseKey,   // Pnl_MseKey, group 1
  Special,    // Pnl_Special, group 2
  Media,      // Pnl_Media, group 3
  Www,        // Pnl_WWW, group 4
  MyPc,       // Pnl_MyPC, group 5
  DpiKey,     // Pnl_CPIKey, group 6, inside Special
  MacroList,  // LB_Name, group 7: one row per library macro
};
inline constexpr int kMenuPanelCount = 8;

enum class MenuEntryKind {
  Function,     // a leaf: chooses its entry id
  Group,        // opens a submenu, shows the ">>" marker
  Combination,  // "User-defined": opens the combination key dialog
};

struct MenuEntry {
  std::string_view control;  // "Key_Left", "Key_Standard"
  MenuEntryKind kind;
  int entryId;               // Function entries only, else 0
  std::string_view nameId;   // the caption's text id
  MenuPanel opens;           // Group entries only
  bool visible;              // false for the E-Mail row below the PC Fn panel's edge
};

// The entries of a panel in display order; the macro list has none (its
// rows are the library's macros).
std::span<const MenuEntry> MenuEntries(MenuPanel panel);

// The group number 1 to 7 of a submenu; nullopt for the main menu.
std::optional<int> GroupNumber(MenuPanel panel);

// " * Left Key": blank, the marker Str200, blank, the name.
std::string EntryCaption(const MenuEntry& entry, const TextTable& texts);

inline constexpr int kMenuRowHeight = 24;
// The marker group entries show at MarkerLeft.
inline constexpr std::string_view kGroupMarker = ">>";

// The menu widths of the layout: main menu, Special Key menu, the others.
struct MenuWidths {
  int main = 0;     // M_L_W
  int special = 0;  // SP_L_W
  int other = 0;    // O_L_W
};

int PanelWidth(MenuPanel panel, const MenuWidths& widths);
// Rows of 24 pixels and a pixel of border above and below: the main menu
// is 170 high when the layout shows the Macro page button, else 146 (the
// Base Macro row cut off); Special Key 170. The macro list's height is the
// layout's, not decided here: it gives 0.
int PanelHeight(MenuPanel panel, bool macroPageShown);
// The number of rows a panel shows.
int VisibleRowCount(MenuPanel panel, bool macroPageShown);
// Entry widths: the main menu's entries are 4 pixels narrower than it.
int EntryWidth(MenuPanel panel, const MenuWidths& widths);
// The group marker's left edge inside an entry of the given width.
inline int MarkerLeft(int entryWidth) { return entryWidth - 24; }

}  // namespace veltrax
