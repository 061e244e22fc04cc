#pragma once
// The function menus of the key pages: the eight panels, shown, placed and
// captioned as the menu cascade and the layout decide. Pointing at a group
// entry opens its submenu; a click (or Enter) on a leaf, on "User-defined"
// or on a macro row is reported for the button the cascade was opened for.
// The arrow keys move through the menus and Escape closes them.

#include <QObject>
#include <QPointer>
#include <QRect>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/TextTable.h"
#include "gui/MenuPanelView.h"
#include "keys/FunctionMenus.h"
#include "keys/MenuCascade.h"
#include "keys/MenuGeometry.h"

namespace veltrax {
class LayoutTable;
}

namespace veltrax::gui {

class FunctionMenuView : public QObject {
  Q_OBJECT

 public:
  // The panels are children of window, above its pages.
  explicit FunctionMenuView(QWidget* window);

  // Group G of the layout, the language's font and the entry captions; the
  // main menu loses its Base Macro row when the layout hides the Macro page.
  void ApplyLanguage(const LayoutTable& layout, const QString& fontName, const TextTable& texts);
  // The names the macro list shows, read each time the list opens.
  void SetMacroNames(std::function<std::vector<std::string>()> names) { macroNames_ = std::move(names); }

  // Opens the main menu for target beside a key label (given in the
  // window's coordinates); focus goes to the menu, and back to `returnFocus`
  // when Escape closes it.
  void OpenAtLabel(const AssignTarget& target, const QRect& label, QWidget* returnFocus);
  // The same for an engineer page key button: above it, where
  // MainMenuAtEngineerButton puts it (the button in its key group's
  // coordinates, the frame in the window's).
  void OpenAtEngineerButton(const AssignTarget& target, const QRect& button, const EngineerFrame& frame,
                            QWidget* returnFocus);
  // HideAllMenu.
  void HideAllMenu();

  const MenuCascade& Cascade() const { return cascade_; }
  MenuPanelView* Panel(MenuPanel panel) const { return panels_[static_cast<int>(panel)]; }

 signals:
  void EntryChosen(int entryId);
  void CombinationChosen();
  void MacroChosen(int row);

 private:
  void OpenAt(const AssignTarget& target, int x, int y, QWidget* returnFocus);
  void OnRowEntered(MenuPanel panel, int row);
  void OnRowActivated(MenuPanel panel, int row);
  void OnForward(MenuPanel panel, int row);
  void OnBack(MenuPanel panel);
  void OnEscape();
  void PlaceSubmenu(MenuPanel parent, int row, MenuPanel submenu);
  void FillMacroList();
  // Shows the open panels and hides the others, as the cascade says.
  void Sync();
  QSize PanelSize(MenuPanel panel) const;
  MenuPanel ParentOf(MenuPanel panel) const;
  std::optional<int> MacroRowAt(const QPoint& global) const;

  QWidget* window_;
  std::array<MenuPanelView*, kMenuPanelCount> panels_{};
  MenuCascade cascade_;
  MenuWidths widths_;
  bool macroPageShown_ = true;
  int macroRowHeight_ = kMenuRowHeight;
  std::function<std::vector<std::string>()> macroNames_;
  QPointer<QWidget> returnFocus_;
};

}  // namespace veltrax::gui
