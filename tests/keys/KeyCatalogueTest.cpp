#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

#include "keys/KeyCatalogue.h"

namespace veltrax {
namespace {

struct Row {
  int vk;
  std::string name;
  int usage;  // 0: the row has none
};

// The catalogue as documented, one row per virtual key.
std::map<int, Row> DocumentedCatalogue() {
  std::map<int, Row> rows;
  auto add = [&](int vk, std::string name, int usage) { rows[vk] = {vk, std::move(name), usage}; };
  for (int i = 0; i < 26; ++i) add(0x41 + i, std::string(1, char('A' + i)), 0x04 + i);
  for (int i = 1; i <= 9; ++i) add(0x30 + i, std::to_string(i), 0x1D + i);
  add(0x30, "0", 0x27);
  for (int i = 1; i <= 12; ++i) add(0x6F + i, "F" + std::to_string(i), 0x39 + i);
  for (int i = 13; i <= 24; ++i) add(0x7C + i - 13, "F" + std::to_string(i), 0x68 + i - 13);
  add(0x60, "0 (numeric pad)", 0x62);
  for (int i = 1; i <= 9; ++i) add(0x60 + i, std::to_string(i) + " (numeric pad)", 0x58 + i);
  const Row singles[] = {
    {0xFF, "255", 0x00},
    {0x08, "Backspace", 0x2A},
    {0x09, "Tab", 0x2B},
    {0x0C, "Clear", 0x9C},
    {0x0D, "Enter", 0x28},
    {0x10, "Shift", 0xE1},
    {0x11, "Ctrl", 0xE0},
    {0x12, "Alt", 0xE2},
    {0x13, "Pause", 0x48},
    {0x14, "Caps Lock", 0x39},
    {0x1B, "Esc", 0x29},
    {0x20, "Space bar", 0x2C},
    {0x21, "Page Up", 0x4B},
    {0x22, "Page Down", 0x4E},
    {0x23, "End", 0x4D},
    {0x24, "Home", 0x4A},
    {0x25, "Left Arrow", 0x50},
    {0x26, "Up Arrow", 0x52},
    {0x27, "Right Arrow", 0x4F},
    {0x28, "Down Arrow", 0x51},
    {0x29, "Select", 0x77},
    {0x2C, "Print Screen", 0x46},
    {0x2D, "Insert", 0x49},
    {0x2E, "Delete", 0x4C},
    {0x2F, "Help", 0x75},
    {0x5B, "Left Windows", 0xE3},
    {0x5C, "Right Windows", 0xE7},
    {0x5D, "Applications", 0x65},
    {0x6A, "Multiply (numeric pad)", 0x55},
    {0x6B, "Add (numeric pad)", 0x57},
    {0x6C, "Separator (numeric pad)", 0x58},
    {0x6D, "Subtract (numeric pad)", 0x56},
    {0x6E, "Decimal (numeric pad)", 0x63},
    {0x6F, "Divide (numeric pad)", 0x54},
    {0x90, "Num Lock", 0x53},
    {0x91, "Scroll Lock", 0x47},
    {0xA0, "Left Shift", 0xE1},
    {0xA1, "Right Shift", 0xE5},
    {0xA2, "Left Ctrl", 0xE0},
    {0xA3, "Right Ctrl", 0xE4},
    {0xA4, "Left Alt", 0xE2},
    {0xA5, "Right Alt", 0xE6},
    {0xBA, "OEM_1", 0x33},
    {0xBB, "OEM_Plus", 0x2E},
    {0xBC, "OEM_Comma", 0x36},
    {0xBD, "OEM_Minus", 0x2D},
    {0xBE, "OEM_Period", 0x37},
    {0xBF, "OEM_2", 0x38},
    {0xC0, "OEM_3", 0x35},
    {0xDB, "OEM_4", 0x2F},
    {0xDC, "OEM_5", 0x31},
    {0xDD, "OEM_6", 0x30},
    {0xDE, "OEM_7", 0x34},
    {0xDF, "OEM_8", 0x00},
    {0xA6, "Browser_Back", 0xCA},
    {0xA7, "Browser_Forward", 0xCB},
    {0xA8, "Browser_Refresh", 0xCD},
    {0xA9, "Browser_Stop", 0xCC},
    {0xAA, "Browser_Search", 0xC8},
    {0xAB, "Browser_Favorites", 0xCE},
    {0xAC, "Browser_Home", 0xC9},
    {0xAD, "Volume_Mute", 0xC4},
    {0xAE, "Volume_Down", 0xC6},
    {0xAF, "Volume_Up", 0xC5},
    {0xB0, "Media_Next_Track", 0xC0},
    {0xB1, "Media_Prev_Track", 0xC1},
    {0xB2, "Media_Stop", 0xC2},
    {0xB3, "Media_Play_Pause", 0xC3},
    {0xB4, "Launch_Mail", 0xC7},
    {0xB5, "Launch_Media_Select", 0xD1},
    {0xB6, "Launch_App1", 0x00},
    {0xB7, "Launch_App2", 0x00},
  };
  for (const Row& row : singles) add(row.vk, row.name, row.usage);
  return rows;
}

TEST(KeyCatalogueTest, EveryVirtualKeyGivesItsDocumentedNameAndUsage) {
  const auto rows = DocumentedCatalogue();
  for (int vk = 0; vk < 256; ++vk) {
    auto it = rows.find(vk);
    const std::string name = it == rows.end() ? "None" : it->second.name;
    const int usage = it == rows.end() ? 0 : it->second.usage;
    EXPECT_EQ(KeyNameOfVirtualKey(vk), name) << "vk " << vk;
    EXPECT_EQ(UsageOfVirtualKey(vk), usage) << "vk " << vk;
  }
  EXPECT_EQ(KeyNameOfVirtualKey(-1), "None");
  EXPECT_EQ(KeyNameOfVirtualKey(0x141), "None");
  EXPECT_EQ(UsageOfVirtualKey(0x141), 0);
}

TEST(KeyCatalogueTest, EveryUsageReadsBackUnderItsRowNameOrItsModifierName) {
  const std::map<int, std::string> modifierNames{{0xE0, "Left Ctrl"},  {0xE1, "Left Shift"}, {0xE2, "Left Alt"},
                                                 {0xE3, "Win"},        {0xE4, "Right Ctrl"}, {0xE5, "Right Shift"},
                                                 {0xE6, "Right Alt"},  {0xE7, "Win"}};
  std::map<int, std::string> expected;
  for (const auto& [vk, row] : DocumentedCatalogue()) {
    if (row.usage != 0) expected[row.usage] = row.name;
  }
  for (const auto& [usage, name] : modifierNames) expected[usage] = name;
  for (int usage = 0; usage < 256; ++usage) {
    auto it = expected.find(usage);
    EXPECT_EQ(KeyNameOfUsage(static_cast<uint8_t>(usage)), it == expected.end() ? "" : it->second)
        << "usage " << usage;
  }
}

TEST(KeyCatalogueTest, DocumentedRoundTrips) {
  struct Case {
    int vk;
    const char* name;
    int usage;
    const char* readBack;
  } cases[] = {
      {0x10, "Shift", 0xE1, "Left Shift"},
      {0xA0, "Left Shift", 0xE1, "Left Shift"},
      {0x5B, "Left Windows", 0xE3, "Win"},
      {0x6C, "Separator (numeric pad)", 0x58, "Separator (numeric pad)"},
      {0xDF, "OEM_8", 0x00, ""},
      {0xB3, "Media_Play_Pause", 0xC3, "Media_Play_Pause"},
      {0x5F, "None", 0x00, ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(KeyNameOfVirtualKey(c.vk), c.name);
    EXPECT_EQ(UsageOfVirtualKey(c.vk), c.usage);
    EXPECT_EQ(KeyNameOfUsage(UsageOfVirtualKey(c.vk)), c.readBack);
  }
}

TEST(KeyCatalogueTest, NamesLeadBackToUsages) {
  EXPECT_EQ(UsageOfKeyName("A"), 0x04);
  EXPECT_EQ(UsageOfKeyName("F1"), 0x3A);
  EXPECT_EQ(UsageOfKeyName("Space bar"), 0x2C);
  EXPECT_EQ(UsageOfKeyName("Win"), 0xE3);
  EXPECT_EQ(UsageOfKeyName("Ctrl"), 0xE0);
  EXPECT_EQ(UsageOfKeyName("OEM_8"), std::nullopt);
  EXPECT_EQ(UsageOfKeyName("None"), std::nullopt);
  EXPECT_EQ(UsageOfKeyName("a"), std::nullopt);
  EXPECT_EQ(UsageOfKeyName(""), std::nullopt);
}

TEST(KeyCatalogueTest, UsagesLeadToTheLowestVirtualKeyOfTheirRows) {
  // The generic modifier keys come before their sided rows; the right-hand
  // modifiers have sided rows only.
  const std::pair<int, std::optional<int>> cases[] = {
      {0x04, 0x41}, {0x27, 0x30}, {0x59, 0x61}, {0x62, 0x60}, {0xE0, 0x11}, {0xE1, 0x10}, {0xE2, 0x12},
      {0xE4, 0xA3}, {0xE3, 0x5B}, {0xE7, 0x5C}, {0x28, 0x0D}, {0xC4, 0xAD}, {0x00, std::nullopt},
      {0x64, std::nullopt},
  };
  for (const auto& [usage, vk] : cases) {
    EXPECT_EQ(VirtualKeyOfUsage(static_cast<uint8_t>(usage)), vk) << "usage " << usage;
  }
  // Every usage a row has leads to a row with that usage.
  for (int usage = 1; usage < 256; ++usage) {
    if (auto vk = VirtualKeyOfUsage(static_cast<uint8_t>(usage))) {
      EXPECT_EQ(UsageOfVirtualKey(*vk), usage);
    }
  }
}

}  // namespace
}  // namespace veltrax
