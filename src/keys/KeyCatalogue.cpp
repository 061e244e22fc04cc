#include "keys/KeyCatalogue.h"

#include <array>

namespace veltrax {
namespace {

constexpr uint8_t kNoUsage = 0;

struct KeyRow {
  const char* name;
  uint8_t vk;
  uint8_t usage;
};

constexpr KeyRow kSingleRows[] = {
    {"255", 0xFF, kNoUsage},
    {"Backspace", 0x08, 0x2A},
    {"Tab", 0x09, 0x2B},
    {"Clear", 0x0C, 0x9C},
    {"Enter", 0x0D, 0x28},
    {"Shift", 0x10, 0xE1},
    {"Ctrl", 0x11, 0xE0},
    {"Alt", 0x12, 0xE2},
    {"Pause", 0x13, 0x48},
    {"Caps Lock", 0x14, 0x39},
    {"Esc", 0x1B, 0x29},
    {"Space bar", 0x20, 0x2C},
    {"Page Up", 0x21, 0x4B},
    {"Page Down", 0x22, 0x4E},
    {"End", 0x23, 0x4D},
    {"Home", 0x24, 0x4A},
    {"Left Arrow", 0x25, 0x50},
    {"Up Arrow", 0x26, 0x52},
    {"Right Arrow", 0x27, 0x4F},
    {"Down Arrow", 0x28, 0x51},
    {"Select", 0x29, 0x77},
    {"Print Screen", 0x2C, 0x46},
    {"Insert", 0x2D, 0x49},
    {"Delete", 0x2E, 0x4C},
    {"Help", 0x2F, 0x75},
    {"Left Windows", 0x5B, 0xE3},
    {"Right Windows", 0x5C, 0xE7},
    {"Applications", 0x5D, 0x65},
    {"Multiply (numeric pad)", 0x6A, 0x55},
    {"Add (numeric pad)", 0x6B, 0x57},
    {"Separator (numeric pad)", 0x6C, 0x58},
    {"Subtract (numeric pad)", 0x6D, 0x56},
    {"Decimal (numeric pad)", 0x6E, 0x63},
    {"Divide (numeric pad)", 0x6F, 0x54},
    {"Num Lock", 0x90, 0x53},
    {"Scroll Lock", 0x91, 0x47},
    {"Left Shift", 0xA0, 0xE1},
    {"Right Shift", 0xA1, 0xE5},
    {"Left Ctrl", 0xA2, 0xE0},
    {"Right Ctrl", 0xA3, 0xE4},
    {"Left Alt", 0xA4, 0xE2},
    {"Right Alt", 0xA5, 0xE6},
    {"OEM_1", 0xBA, 0x33},
    {"OEM_Plus", 0xBB, 0x2E},
    {"OEM_Comma", 0xBC, 0x36},
    {"OEM_Minus", 0xBD, 0x2D},
    {"OEM_Period", 0xBE, 0x37},
    {"OEM_2", 0xBF, 0x38},
    {"OEM_3", 0xC0, 0x35},
    {"OEM_4", 0xDB, 0x2F},
    {"OEM_5", 0xDC, 0x31},
    {"OEM_6", 0xDD, 0x30},
    {"OEM_7", 0xDE, 0x34},
    {"OEM_8", 0xDF, kNoUsage},
    {"Browser_Back", 0xA6, 0xCA},
    {"Browser_Forward", 0xA7, 0xCB},
    {"Browser_Refresh", 0xA8, 0xCD},
    {"Browser_Stop", 0xA9, 0xCC},
    {"Browser_Search", 0xAA, 0xC8},
    {"Browser_Favorites", 0xAB, 0xCE},
    {"Browser_Home", 0xAC, 0xC9},
    {"Volume_Mute", 0xAD, 0xC4},
    {"Volume_Down", 0xAE, 0xC6},
    {"Volume_Up", 0xAF, 0xC5},
    {"Media_Next_Track", 0xB0, 0xC0},
    {"Media_Prev_Track", 0xB1, 0xC1},
    {"Media_Stop", 0xB2, 0xC2},
    {"Media_Play_Pause", 0xB3, 0xC3},
    {"Launch_Mail", 0xB4, 0xC7},
    {"Launch_Media_Select", 0xB5, 0xD1},
    {"Launch_App1", 0xB6, kNoUsage},
    {"Launch_App2", 0xB7, kNoUsage},
};

// Stored usages of the modifier and Windows keys read back under these names.
constexpr KeyRow kUsageNameExceptions[] = {
    {"Left Ctrl", 0, 0xE0},  {"Left Shift", 0, 0xE1}, {"Left Alt", 0, 0xE2},  {"Win", 0, 0xE3},
    {"Right Ctrl", 0, 0xE4}, {"Right Shift", 0, 0xE5}, {"Right Alt", 0, 0xE6}, {"Win", 0, 0xE7},
};

struct Catalogue {
  std::array<std::string, 256> nameOfVk;
  std::array<uint8_t, 256> usageOfVk{};
  std::array<std::string, 256> nameOfUsage;

  void Add(uint8_t vk, std::string name, uint8_t usage) {
    nameOfVk[vk] = std::move(name);
    usageOfVk[vk] = usage;
  }
  // A run of rows whose virtual keys and usages both count up by one.
  void AddRun(uint8_t firstVk, uint8_t firstUsage, int count, const std::string& prefix, int firstNumber,
              const std::string& suffix) {
    for (int i = 0; i < count; ++i) {
      Add(static_cast<uint8_t>(firstVk + i), prefix + std::to_string(firstNumber + i) + suffix,
          static_cast<uint8_t>(firstUsage + i));
    }
  }
};

Catalogue BuildCatalogue() {
  Catalogue c;
  c.nameOfVk.fill("None");
  for (int i = 0; i < 26; ++i) {
    c.Add(static_cast<uint8_t>(0x41 + i), std::string(1, static_cast<char>('A' + i)), static_cast<uint8_t>(0x04 + i));
  }
  c.AddRun(0x31, 0x1E, 9, "", 1, "");
  c.Add(0x30, "0", 0x27);
  c.AddRun(0x70, 0x3A, 12, "F", 1, "");
  c.AddRun(0x7C, 0x68, 12, "F", 13, "");
  c.Add(0x60, "0 (numeric pad)", 0x62);
  c.AddRun(0x61, 0x59, 9, "", 1, " (numeric pad)");
  for (const KeyRow& row : kSingleRows) c.Add(row.vk, row.name, row.usage);

  for (int vk = 0; vk < 256; ++vk) {
    if (c.usageOfVk[vk] != kNoUsage) c.nameOfUsage[c.usageOfVk[vk]] = c.nameOfVk[vk];
  }
  for (const KeyRow& row : kUsageNameExceptions) c.nameOfUsage[row.usage] = row.name;
  return c;
}

const Catalogue& TheCatalogue() {
  static const Catalogue catalogue = BuildCatalogue();
  return catalogue;
}

}  // namespace

std::string KeyNameOfVirtualKey(int vk) {
  if (vk < 0 || vk > 255) return "None";
  return TheCatalogue().nameOfVk[vk];
}

uint8_t UsageOfVirtualKey(int vk) {
  if (vk < 0 || vk > 255) return kNoUsage;
  return TheCatalogue().usageOfVk[vk];
}

std::string KeyNameOfUsage(uint8_t usage) { return TheCatalogue().nameOfUsage[usage]; }

std::optional<int> VirtualKeyOfUsage(uint8_t usage) {
  if (usage == kNoUsage) return std::nullopt;
  const Catalogue& c = TheCatalogue();
  for (int vk = 0; vk < 256; ++vk) {
    if (c.usageOfVk[vk] == usage) return vk;
  }
  return std::nullopt;
}

std::optional<uint8_t> UsageOfKeyName(std::string_view name) {
  if (name.empty()) return std::nullopt;  // the name of every usage no row gives
  const Catalogue& c = TheCatalogue();
  for (int usage = 1; usage < 256; ++usage) {
    if (c.nameOfUsage[usage] == name) return static_cast<uint8_t>(usage);
  }
  for (int vk = 0; vk < 256; ++vk) {
    if (c.usageOfVk[vk] != kNoUsage && c.nameOfVk[vk] == name) return c.usageOfVk[vk];
  }
  return std::nullopt;
}

}  // namespace veltrax
