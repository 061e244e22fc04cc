#include "keys/MenuGeometry.h"

namespace veltrax {

Point MainMenuAtLabel(const Rect& label, const Size& menu, const Size& window) {
  Point at{label.left + label.width / 2, label.top + label.height / 2};
  if (label.Right() + menu.width >= window.width) at.x -= menu.width;
  if (label.Bottom() + menu.height >= window.height) at.y -= menu.height;
  return at;
}

Point MainMenuAtEngineerButton(const Rect& button, const Size& menu, const EngineerFrame& frame) {
  const int left = button.left + menu.width <= frame.tabWidth ? button.left + 10 : button.Right() - menu.width + 10;
  const int top = button.top + frame.tabTop + frame.keyGroupTop - menu.height + 38;
  return {left, top};
}

namespace {

// Top aligned with the entry, unless the submenu would reach the window's
// bottom: then its bottom is aligned with the entry's.
int SubmenuTop(int entryTop, int entryHeight, int submenuHeight, int reach, int windowHeight) {
  return reach < windowHeight ? entryTop : entryTop + entryHeight - submenuHeight;
}

}  // namespace

Point SubmenuAt(const Rect& mainMenu, const Rect& entry, const Size& submenu, int specialMenuWidth,
                const Size& window) {
  const int left = mainMenu.Right() + specialMenuWidth < window.width ? mainMenu.left + entry.left + entry.width + 2
                                                                      : mainMenu.left - submenu.width;
  const int entryTop = mainMenu.top + entry.top;
  const int top = SubmenuTop(entryTop, entry.height, submenu.height, entryTop + entry.height + submenu.height,
                             window.height);
  return {left, top};
}

Point DpiSubmenuAt(const Rect& mainMenu, const Rect& specialMenu, const Rect& entry, const Size& submenu,
                   const Size& window) {
  const bool fitsRight = mainMenu.Right() + specialMenu.width + submenu.width < window.width;
  const int left = fitsRight ? specialMenu.left + entry.left + entry.width + 2 : specialMenu.left - submenu.width;
  const int entryTop = specialMenu.top + entry.top;
  const int top = SubmenuTop(entryTop, entry.height, submenu.height, entryTop + submenu.height, window.height);
  return {left, top};
}

std::optional<int> MacroRowUnderPointer(int firstVisibleRow, int pointerY, int windowTop, int listTop,
                                        int rowHeight, int rowCount) {
  const int offset = pointerY - windowTop - listTop;
  if (offset < 0 || rowHeight <= 0) return std::nullopt;
  const int row = firstVisibleRow + offset / rowHeight;
  if (row >= rowCount) return std::nullopt;
  return row;
}

Point ComboDialogPosition(const Rect& mainWindow, const Size& dialog) {
  return {mainWindow.left + (mainWindow.width - dialog.width) / 2,
          mainWindow.top + (mainWindow.height - dialog.height) / 2 + 40};
}

}  // namespace veltrax
