#pragma once
// Where the assignment menus and the combination key dialog open: pure
// functions of rectangles, so the widgets only place what they are told.
// Coordinates are the window's client coordinates unless said otherwise.

#include <optional>

namespace veltrax {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int width = 0;
  int height = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
};

// The main menu for a key label: its top-left corner at the label's centre,
// opening to the left or upwards when it would reach the window's edge.
Point MainMenuAtLabel(const Rect& label, const Size& menu, const Size& window);

// The main menu for an engineer page button, above the button. The button
// lies in the profile's key group, which lies in the tab control.
struct EngineerFrame {
  int tabWidth = 0;     // width of the engineer page's tab control
  int tabTop = 0;       // its top in the window
  int keyGroupTop = 0;  // top of the Mode A (or Mode B) key group in the tab
};
Point MainMenuAtEngineerButton(const Rect& button, const Size& menu, const EngineerFrame& frame);

// A submenu of the main menu (groups 1 to 5 and 7) beside its group entry
// (entry given inside the main menu): to the right while the main menu plus
// the Special Key menu fit the window, else to the left; top aligned with
// the entry, or bottom aligned near the window's bottom.
Point SubmenuAt(const Rect& mainMenu, const Rect& entry, const Size& submenu, int specialMenuWidth, const Size& window);

// The DPI Key submenu beside its entry inside the Special Key menu.
Point DpiSubmenuAt(const Rect& mainMenu, const Rect& specialMenu, const Rect& entry, const Size& submenu,
                   const Size& window);

// The row (0-based index into the list) of the macro list under the pointer:
// the first visible row plus the whole rows between the list's top and the
// pointer. pointerY and windowTop are screen coordinates, listTop is in the
// window. Nothing when the pointer is above the list or below its last row.
std::optional<int> MacroRowUnderPointer(int firstVisibleRow, int pointerY, int windowTop, int listTop,
                                        int rowHeight, int rowCount);

// The combination key dialog over the main window (screen coordinates):
// centred across, centred down and 40 pixels lower.
Point ComboDialogPosition(const Rect& mainWindow, const Size& dialog);

}  // namespace veltrax
