#include "keys/FunctionMenus.h"

namespace veltrax {
namespace {

using Kind = MenuEntryKind;

constexpr MenuEntry Leaf(std::string_view control, int id, std::string_view nameId, bool visible = true) {
  return {control, Kind::Function, id, nameId, MenuPanel::Main, visible};
}
constexpr MenuEntry Group(std::string_view control, std::string_view nameId, MenuPanel opens) {
  return {control, Kind::Group, 0, nameId, opens, true};
}

constexpr MenuEntry kMain[] = {
    Group("Key_Standard", "Str201", MenuPanel::MouseKey),
    Group("Key_Special", "Str202", MenuPanel::Special),
    Group("Key_Media", "Str203", MenuPanel::Media),
    Group("Key_WWW", "Str204", MenuPanel::Www),
    Group("Key_MyPC", "Str207", MenuPanel::MyPc),
    {"Key_Assembly", Kind::Combination, 0, "Str205", MenuPanel::Main, true},
    Group("Key_Macro", "Str206", MenuPanel::MacroList),
};
constexpr MenuEntry kMouseKey[] = {
    Leaf("Key_Left", 900, "Str210"),  Leaf("Key_Right", 901, "Str211"), Leaf("Key_Middle", 902, "Str212"),
    Leaf("Key_B4", 903, "Str213"),    Leaf("Key_B5", 904, "Str214"),
};
constexpr MenuEntry kSpecial[] = {
    Group("Key_CPIKey", "Str230", MenuPanel::DpiKey), Leaf("Key_Fire", 1000, "Str220"),
    Leaf("Key_AIMKey", 1002, "Str222"),               Leaf("Key_LEDMode", 1006, "Str226"),
    Leaf("Key_LEDSwitch", 1001, "Str221"),            Leaf("Key_KeyMode", 1005, "Str225"),
    Leaf("Key_KeyOff", 1004, "Str224"),
};
constexpr MenuEntry kDpiKey[] = {
    Leaf("Key_CPI", 2000, "Str231"), Leaf("Key_CPII", 2001, "Str232"), Leaf("Key_CPID", 2002, "Str233"),
};
constexpr MenuEntry kMedia[] = {
    Leaf("Key_PlayPause", 1300, "Str250"),   Leaf("Key_Stop", 1301, "Str251"),
    Leaf("Key_PreviousTrack", 1302, "Str252"), Leaf("Key_NextTrack", 1303, "Str253"),
    Leaf("Key_VolumePlus", 1304, "Str254"),  Leaf("Key_VolumeMinus", 1305, "Str255"),
    Leaf("Key_Mute", 1306, "Str256"),
};
constexpr MenuEntry kWww[] = {
    Leaf("Key_WWWHome", 1400, "Str260"),    Leaf("Key_WWWSearch", 1401, "Str261"),
    Leaf("Key_WWWBack", 1402, "Str262"),    Leaf("Key_WWWForward", 1403, "Str263"),
    Leaf("Key_WWWStop", 1404, "Str264"),    Leaf("Key_WWWRefresh", 1405, "Str265"),
    Leaf("Key_WWWFavorites", 1406, "Str266"),
};
constexpr MenuEntry kMyPc[] = {
    Leaf("Key_Computer", 1100, "Str240"),
    Leaf("Key_Calculator", 1101, "Str241"),
    Leaf("Key_Desktop", 1103, "Str243"),
    Leaf("Key_EMail", 1102, "Str242", false),
};

}  // namespace

std::span<const MenuEntry> MenuEntries(MenuPanel panel) {
  switch (panel) {
    case MenuPanel::Main: return kMain;
    case MenuPanel::MouseKey: return kMouseKey;
    case MenuPanel::Special: return kSpecial;
    case MenuPanel::Media: return kMedia;
    case MenuPanel::Www: return kWww;
    case MenuPanel::MyPc: return kMyPc;
    case MenuPanel::DpiKey: return kDpiKey;
    case MenuPanel::MacroList: return {};
  }
  return {};
}

std::optional<int> GroupNumber(MenuPanel panel) {
  switch (panel) {
    case MenuPanel::Main: return std::nullopt;
    case MenuPanel::MouseKey: return 1;
    case MenuPanel::Special: return 2;
    case MenuPanel::Media: return 3;
    case MenuPanel::Www: return 4;
    case MenuPanel::MyPc: return 5;
    case MenuPanel::DpiKey: return 6;
    case MenuPanel::MacroList: return 7;
  }
  return std::nullopt;
}

std::string EntryCaption(const MenuEntry& entry, const TextTable& texts) {
  return " " + texts.Text("Str200") + " " + texts.Text(entry.nameId);
}

int PanelWidth(MenuPanel panel, const MenuWidths& widths) {
  switch (panel) {
    case MenuPanel::Main: return widths.main;
    case MenuPanel::Special: return widths.special;
    default: return widths.other;
  }
}

int VisibleRowCount(MenuPanel panel, bool macroPageShown) {
  int rows = 0;
  for (const MenuEntry& entry : MenuEntries(panel)) rows += entry.visible ? 1 : 0;
  if (panel == MenuPanel::Main && !macroPageShown) --rows;
  return rows;
}

int PanelHeight(MenuPanel panel, bool macroPageShown) {
  if (panel == MenuPanel::MacroList) return 0;
  return VisibleRowCount(panel, macroPageShown) * kMenuRowHeight + 2;
}

int EntryWidth(MenuPanel panel, const MenuWidths& widths) {
  const int width = PanelWidth(panel, widths);
  return panel == MenuPanel::Main ? width - 4 : width;
}

}  // namespace veltrax
