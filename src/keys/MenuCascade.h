#pragma once
// Which assignment menus are open and for which button: at most one
// cascade, opened from a key label or an engineer button, grown and
// shrunk by hovering its entries, closed by a choice, a page switch or a
// click elsewhere.

#include <array>
#include <optional>

#include "keys/ButtonAssigner.h"
#include "keys/FunctionMenus.h"

namespace veltrax {

class MenuCascade {
 public:
  // Closes whatever was open and shows the main menu for target.
  void Open(const AssignTarget& target);
  // Hides all eight panels. The target stays readable for a choice that
  // closes the menus first.
  void CloseAll();

  // The pointer enters entry `index` of an open panel: a group entry opens
  // its submenu and hides the other submenus; "User-defined" hides every
  // submenu; a leaf of the Special Key or PC Fn menu hides the DPI Key menu.
  void HoverEntry(MenuPanel panel, int index);

  // The macro list row under the pointer (MacroRowUnderPointer), shown in
  // the hovered colours; opening the list clears it.
  void HoverMacroRow(std::optional<int> row) { hoveredMacroRow_ = row; }
  const std::optional<int>& HoveredMacroRow() const { return hoveredMacroRow_; }

  bool IsOpen(MenuPanel panel) const { return open_[static_cast<int>(panel)]; }
  bool AnyOpen() const;
  const std::optional<AssignTarget>& Target() const { return target_; }

 private:
  void Show(MenuPanel panel, bool shown) { open_[static_cast<int>(panel)] = shown; }
  void HideSubmenusExcept(MenuPanel keep);

  std::array<bool, kMenuPanelCount> open_{};
  std::optional<AssignTarget> target_;
  std::optional<int> hoveredMacroRow_;
};

}  // namespace veltrax
