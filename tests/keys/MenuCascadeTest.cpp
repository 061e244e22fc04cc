#include <gtest/gtest.h>

#include <vector>

#include "keys/MenuCascade.h"

namespace veltrax {
namespace {

constexpr int kStandard = 0, kSpecial = 1, kMyPc = 4, kUserDefined = 5, kMacro = 6;
constexpr int kDpiKeyGroup = 0, kFireKey = 1;

std::vector<MenuPanel> OpenPanels(const MenuCascade& menus) {
  std::vector<MenuPanel> open;
  for (int i = 0; i < kMenuPanelCount; ++i) {
    if (menus.IsOpen(static_cast<MenuPanel>(i))) open.push_back(static_cast<MenuPanel>(i));
  }
  return open;
}

TEST(MenuCascadeTest, HoveringGrowsAndShrinksTheCascade) {
  using P = std::vector<MenuPanel>;
  MenuCascade menus;
  menus.Open(*PageLabelTarget(3, KeyProfile::ModeB));
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main}));

  menus.HoverEntry(MenuPanel::Main, kSpecial);
  menus.HoverEntry(MenuPanel::Special, kDpiKeyGroup);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main, MenuPanel::Special, MenuPanel::DpiKey}));
  menus.HoverEntry(MenuPanel::Special, kFireKey);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main, MenuPanel::Special}));

  menus.HoverEntry(MenuPanel::Main, kMyPc);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main, MenuPanel::MyPc}));
  menus.HoverMacroRow(2);
  menus.HoverEntry(MenuPanel::Main, kMacro);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main, MenuPanel::MacroList}));
  EXPECT_FALSE(menus.HoveredMacroRow());
  menus.HoverEntry(MenuPanel::Main, kUserDefined);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main}));

  menus.HoverEntry(MenuPanel::Media, 0);  // not open: nothing happens
  menus.HoverEntry(MenuPanel::Main, 99);
  EXPECT_EQ(OpenPanels(menus), (P{MenuPanel::Main}));
}

TEST(MenuCascadeTest, ClosingKeepsTheTargetAndOpeningReplacesIt) {
  MenuCascade menus;
  EXPECT_FALSE(menus.Target());
  menus.Open(*EngineerButtonTarget(205));
  menus.HoverEntry(MenuPanel::Main, kStandard);
  menus.CloseAll();
  EXPECT_FALSE(menus.AnyOpen());
  ASSERT_TRUE(menus.Target());
  EXPECT_EQ(menus.Target()->button, 5);
  menus.Open(*PageLabelTarget(1, KeyProfile::ModeA));
  EXPECT_EQ(menus.Target()->profile, KeyProfile::ModeA);
  EXPECT_EQ(OpenPanels(menus), (std::vector<MenuPanel>{MenuPanel::Main}));
}

}  // namespace
}  // namespace veltrax
