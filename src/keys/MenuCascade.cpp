#include "keys/MenuCascade.h"

#include <algorithm>

namespace veltrax {

void MenuCascade::Open(const AssignTarget& target) {
  CloseAll();
  target_ = target;
  Show(MenuPanel::Main, true);
}

void MenuCascade::CloseAll() { open_.fill(false); }

bool MenuCascade::AnyOpen() const { return std::any_of(open_.begin(), open_.end(), [](bool o) { return o; }); }

void MenuCascade::HideSubmenusExcept(MenuPanel keep) {
  for (int i = 0; i < kMenuPanelCount; ++i) {
    const auto panel = static_cast<MenuPanel>(i);
    if (panel != MenuPanel::Main && panel != keep) Show(panel, false);
  }
}

void MenuCascade::HoverEntry(MenuPanel panel, int index) {
  const auto entries = MenuEntries(panel);
  if (!IsOpen(panel) || index < 0 || index >= static_cast<int>(entries.size())) return;
  const MenuEntry& entry = entries[index];
  switch (entry.kind) {
    case MenuEntryKind::Group:
      if (entry.opens == MenuPanel::DpiKey) {
        Show(MenuPanel::DpiKey, true);  // the main and Special Key menus stay
      } else {
        HideSubmenusExcept(entry.opens);
        Show(entry.opens, true);
        if (entry.opens == MenuPanel::MacroList) hoveredMacroRow_.reset();
      }
      break;
    case MenuEntryKind::Combination:
      HideSubmenusExcept(MenuPanel::Main);
      break;
    case MenuEntryKind::Function:
      if (panel == MenuPanel::Special || panel == MenuPanel::MyPc) Show(MenuPanel::DpiKey, false);
      break;
  }
}

}  // namespace veltrax
