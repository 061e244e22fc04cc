#include <gtest/gtest.h>

#include <vector>

#include "EnglishTexts.h"
#include "keys/FunctionEntries.h"
#include "keys/FunctionMenus.h"
#include "keys/MenuGeometry.h"

namespace veltrax {
namespace {

std::vector<std::string> VisibleNames(MenuPanel panel) {
  const MapTextTable texts = test::EnglishTexts();
  std::vector<std::string> names;
  for (const MenuEntry& entry : MenuEntries(panel)) {
    if (entry.visible) names.push_back(texts.Text(entry.nameId));
  }
  return names;
}

TEST(FunctionMenusTest, PanelsShowTheirEntriesInDisplayOrder) {
  using V = std::vector<std::string>;
  EXPECT_EQ(VisibleNames(MenuPanel::Main), (V{"Standard Mouse Key", "Special Key", "Media Fn", "WWW Fn", "PC Fn",
                                              "User-defined", "Base Macro"}));
  EXPECT_EQ(VisibleNames(MenuPanel::MouseKey), (V{"Left Key", "Right Key", "Middle Key", "Back", "Forward"}));
  EXPECT_EQ(VisibleNames(MenuPanel::Special), (V{"DPI Key", "Fire Key", "AIM Key", "LED Switch Key", "LED Switch",
                                                 "KB Switch Key", "Key Off"}));
  EXPECT_EQ(VisibleNames(MenuPanel::DpiKey), (V{"DPI Loop", "DPI +", "DPI -"}));
  EXPECT_EQ(VisibleNames(MenuPanel::Media),
            (V{"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume +", "Volume -", "Mute"}));
  EXPECT_EQ(VisibleNames(MenuPanel::Www), (V{"Home", "Search", "Back", "Forward", "Stop", "Refresh", "Favorites"}));
  EXPECT_EQ(VisibleNames(MenuPanel::MyPc), (V{"My Computer", "Calculator", "Desktop"}));
  EXPECT_TRUE(MenuEntries(MenuPanel::MacroList).empty());
}

TEST(FunctionMenusTest, GroupsOpenTheirPanelsAndLeavesCarryTheirEntries) {
  std::vector<std::optional<int>> groups;
  for (const MenuEntry& entry : MenuEntries(MenuPanel::Main)) {
    groups.push_back(entry.kind == MenuEntryKind::Group ? GroupNumber(entry.opens) : std::nullopt);
  }
  EXPECT_EQ(groups, (std::vector<std::optional<int>>{1, 2, 3, 4, 5, std::nullopt, 7}));
  EXPECT_EQ(MenuEntries(MenuPanel::Main)[5].kind, MenuEntryKind::Combination);
  EXPECT_EQ(GroupNumber(MenuEntries(MenuPanel::Special)[0].opens), 6);

  // Every leaf names its function by the same id as the function's own entry.
  int leaves = 0;
  for (MenuPanel panel : {MenuPanel::MouseKey, MenuPanel::Special, MenuPanel::DpiKey, MenuPanel::Media,
                          MenuPanel::Www, MenuPanel::MyPc}) {
    for (const MenuEntry& entry : MenuEntries(panel)) {
      if (entry.kind != MenuEntryKind::Function) continue;
      ++leaves;
      const FunctionEntry* function = FindFunctionEntry(entry.entryId);
      ASSERT_NE(function, nullptr) << entry.control;
      EXPECT_EQ(function->control, entry.control);
      EXPECT_EQ(function->nameId, entry.nameId);
    }
  }
  EXPECT_EQ(leaves, 32);  // every function entry but the unnamed 1003
  EXPECT_FALSE(MenuEntries(MenuPanel::MyPc)[3].visible);  // E-Mail
}

TEST(FunctionMenusTest, CaptionsAndSizes) {
  const MapTextTable texts = test::EnglishTexts();
  EXPECT_EQ(EntryCaption(MenuEntries(MenuPanel::MouseKey)[0], texts), " * Left Key");
  EXPECT_EQ(PanelHeight(MenuPanel::Main, true), 170);
  EXPECT_EQ(PanelHeight(MenuPanel::Main, false), 146);
  EXPECT_EQ(PanelHeight(MenuPanel::Special, false), 170);
  EXPECT_EQ(VisibleRowCount(MenuPanel::MyPc, true), 3);
  const MenuWidths widths{160, 150, 140};
  EXPECT_EQ(PanelWidth(MenuPanel::Main, widths), 160);
  EXPECT_EQ(EntryWidth(MenuPanel::Main, widths), 156);
  EXPECT_EQ(PanelWidth(MenuPanel::Special, widths), 150);
  EXPECT_EQ(PanelWidth(MenuPanel::Media, widths), 140);
  EXPECT_EQ(MarkerLeft(156), 132);
}

constexpr Size kWindow{800, 600};

TEST(MenuGeometryTest, LabelMenuOpensRightAndDownAwayFromTheEdges) {
  const Size menu{160, 170};
  EXPECT_EQ(MainMenuAtLabel({100, 100, 80, 20}, menu, kWindow), (Point{140, 110}));
  // Near the right edge: to the left; near the bottom: upwards. The edge itself counts.
  EXPECT_EQ(MainMenuAtLabel({560, 100, 80, 20}, menu, kWindow), (Point{440, 110}));
  EXPECT_EQ(MainMenuAtLabel({559, 100, 80, 20}, menu, kWindow), (Point{599, 110}));
  EXPECT_EQ(MainMenuAtLabel({100, 410, 80, 20}, menu, kWindow), (Point{140, 250}));
  EXPECT_EQ(MainMenuAtLabel({700, 500, 80, 20}, menu, kWindow), (Point{580, 340}));
}

TEST(MenuGeometryTest, EngineerMenuOpensAboveTheButton) {
  const EngineerFrame frame{600, 30, 200};
  EXPECT_EQ(MainMenuAtEngineerButton({100, 40, 90, 25}, {160, 170}, frame), (Point{110, 138}));
  EXPECT_EQ(MainMenuAtEngineerButton({440, 40, 90, 25}, {160, 170}, frame), (Point{450, 138}));
  EXPECT_EQ(MainMenuAtEngineerButton({441, 40, 90, 25}, {160, 170}, frame), (Point{381, 138}));
}

TEST(MenuGeometryTest, SubmenusOpenBesideTheirEntry) {
  const Rect main{100, 100, 160, 170};
  const Rect entry{0, 48, 156, 24};
  // Room on the right: beside the entry, top aligned.
  EXPECT_EQ(SubmenuAt(main, entry, {140, 170}, 150, kWindow), (Point{258, 148}));
  // Main menu plus Special Key menu reach the edge: on the left.
  EXPECT_EQ(SubmenuAt({500, 100, 160, 170}, entry, {140, 170}, 150, kWindow), (Point{360, 148}));
  // Near the bottom: bottom edges aligned.
  EXPECT_EQ(SubmenuAt({100, 400, 160, 170}, entry, {140, 170}, 150, kWindow), (Point{258, 302}));
}

TEST(MenuGeometryTest, DpiSubmenuOpensBesideTheSpecialMenu) {
  const Rect main{100, 100, 160, 170};
  const Rect special{258, 100, 150, 170};
  const Rect entry{0, 0, 150, 24};
  EXPECT_EQ(DpiSubmenuAt(main, special, entry, {140, 74}, kWindow), (Point{410, 100}));
  EXPECT_EQ(DpiSubmenuAt({360, 100, 160, 170}, {518, 100, 150, 170}, entry, {140, 74}, kWindow),
            (Point{378, 100}));
  EXPECT_EQ(DpiSubmenuAt(main, {258, 530, 150, 170}, entry, {140, 74}, kWindow), (Point{410, 480}));
}

TEST(MenuGeometryTest, MacroRowUnderThePointer) {
  // Window at screen y 200, list at 50 in the window, rows of 24, rows 3.. visible.
  EXPECT_EQ(MacroRowUnderPointer(3, 250, 200, 50, 24, 10), 3);
  EXPECT_EQ(MacroRowUnderPointer(3, 273, 200, 50, 24, 10), 3);
  EXPECT_EQ(MacroRowUnderPointer(3, 274, 200, 50, 24, 10), 4);
  EXPECT_EQ(MacroRowUnderPointer(3, 249, 200, 50, 24, 10), std::nullopt);  // above the list
  EXPECT_EQ(MacroRowUnderPointer(3, 250 + 7 * 24, 200, 50, 24, 10), std::nullopt);  // below the last row
}

}  // namespace
}  // namespace veltrax
