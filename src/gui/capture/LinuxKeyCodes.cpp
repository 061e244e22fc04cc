#include "gui/capture/LinuxKeyCodes.h"

#include <linux/input-event-codes.h>

#include <cstdint>
#include <unordered_map>

#include "keys/KeyCatalogue.h"

namespace veltrax::gui {
namespace {

// Linux key code to keyboard usage; the media and browser keys to the
// usages the catalogue gives them.
const std::unordered_map<int, uint8_t>& UsageTable() {
  static const std::unordered_map<int, uint8_t> table = [] {
    std::unordered_map<int, uint8_t> t{
        {KEY_ESC, 0x29}, {KEY_0, 0x27}, {KEY_MINUS, 0x2D}, {KEY_EQUAL, 0x2E}, {KEY_BACKSPACE, 0x2A},
        {KEY_TAB, 0x2B}, {KEY_LEFTBRACE, 0x2F}, {KEY_RIGHTBRACE, 0x30}, {KEY_ENTER, 0x28},
        {KEY_LEFTCTRL, 0xE0}, {KEY_SEMICOLON, 0x33}, {KEY_APOSTROPHE, 0x34}, {KEY_GRAVE, 0x35},
        {KEY_LEFTSHIFT, 0xE1}, {KEY_BACKSLASH, 0x31}, {KEY_COMMA, 0x36}, {KEY_DOT, 0x37}, {KEY_SLASH, 0x38},
        {KEY_RIGHTSHIFT, 0xE5}, {KEY_KPASTERISK, 0x55}, {KEY_LEFTALT, 0xE2}, {KEY_SPACE, 0x2C},
        {KEY_CAPSLOCK, 0x39}, {KEY_NUMLOCK, 0x53}, {KEY_SCROLLLOCK, 0x47}, {KEY_KP7, 0x5F}, {KEY_KP8, 0x60},
        {KEY_KP9, 0x61}, {KEY_KPMINUS, 0x56}, {KEY_KP4, 0x5C}, {KEY_KP5, 0x5D}, {KEY_KP6, 0x5E},
        {KEY_KPPLUS, 0x57}, {KEY_KP1, 0x59}, {KEY_KP2, 0x5A}, {KEY_KP3, 0x5B}, {KEY_KP0, 0x62},
        {KEY_KPDOT, 0x63}, {KEY_102ND, 0x64}, {KEY_F11, 0x44}, {KEY_F12, 0x45},
        // The pad's Enter is reported as Enter, as the keyboard input of the
        // system the program was made for does.
        {KEY_KPENTER, 0x28}, {KEY_RIGHTCTRL, 0xE4}, {KEY_KPSLASH, 0x54}, {KEY_SYSRQ, 0x46},
        {KEY_RIGHTALT, 0xE6}, {KEY_HOME, 0x4A}, {KEY_UP, 0x52}, {KEY_PAGEUP, 0x4B}, {KEY_LEFT, 0x50},
        {KEY_RIGHT, 0x4F}, {KEY_END, 0x4D}, {KEY_DOWN, 0x51}, {KEY_PAGEDOWN, 0x4E}, {KEY_INSERT, 0x49},
        {KEY_DELETE, 0x4C}, {KEY_PAUSE, 0x48}, {KEY_LEFTMETA, 0xE3}, {KEY_RIGHTMETA, 0xE7},
        {KEY_COMPOSE, 0x65}, {KEY_HELP, 0x75}, {KEY_SELECT, 0x77}, {KEY_CLEAR, 0x9C},
        {KEY_MUTE, 0xC4}, {KEY_VOLUMEDOWN, 0xC6}, {KEY_VOLUMEUP, 0xC5}, {KEY_NEXTSONG, 0xC0},
        {KEY_PREVIOUSSONG, 0xC1}, {KEY_STOPCD, 0xC2}, {KEY_PLAYPAUSE, 0xC3}, {KEY_MAIL, 0xC7},
        {KEY_SEARCH, 0xC8}, {KEY_HOMEPAGE, 0xC9}, {KEY_BACK, 0xCA}, {KEY_FORWARD, 0xCB}, {KEY_STOP, 0xCC},
        {KEY_REFRESH, 0xCD}, {KEY_BOOKMARKS, 0xCE}, {KEY_MEDIA, 0xD1},
    };
    // Rows of keys whose codes and usages both count up.
    auto run = [&t](std::initializer_list<int> codes, uint8_t firstUsage) {
      uint8_t usage = firstUsage;
      for (int code : codes) t[code] = usage++;
    };
    run({KEY_1, KEY_2, KEY_3, KEY_4, KEY_5, KEY_6, KEY_7, KEY_8, KEY_9}, 0x1E);
    run({KEY_F1, KEY_F2, KEY_F3, KEY_F4, KEY_F5, KEY_F6, KEY_F7, KEY_F8, KEY_F9, KEY_F10}, 0x3A);
    run({KEY_F13, KEY_F14, KEY_F15, KEY_F16, KEY_F17, KEY_F18, KEY_F19, KEY_F20, KEY_F21, KEY_F22, KEY_F23,
         KEY_F24},
        0x68);
    // The letters: usages in alphabetical order, codes by keyboard row.
    const std::pair<int, char> letters[] = {
        {KEY_A, 'A'}, {KEY_B, 'B'}, {KEY_C, 'C'}, {KEY_D, 'D'}, {KEY_E, 'E'}, {KEY_F, 'F'}, {KEY_G, 'G'},
        {KEY_H, 'H'}, {KEY_I, 'I'}, {KEY_J, 'J'}, {KEY_K, 'K'}, {KEY_L, 'L'}, {KEY_M, 'M'}, {KEY_N, 'N'},
        {KEY_O, 'O'}, {KEY_P, 'P'}, {KEY_Q, 'Q'}, {KEY_R, 'R'}, {KEY_S, 'S'}, {KEY_T, 'T'}, {KEY_U, 'U'},
        {KEY_V, 'V'}, {KEY_W, 'W'}, {KEY_X, 'X'}, {KEY_Y, 'Y'}, {KEY_Z, 'Z'},
    };
    for (const auto& [code, letter] : letters) t[code] = static_cast<uint8_t>(0x04 + (letter - 'A'));
    return t;
  }();
  return table;
}

}  // namespace

int VirtualKeyOfLinuxKey(int code) {
  const auto& table = UsageTable();
  const auto found = table.find(code);
  if (found == table.end()) return 0;
  return VirtualKeyOfUsage(found->second).value_or(0);
}

int GenericVirtualKey(int vk) {
  switch (vk) {
    case 0xA0:
    case 0xA1: return 0x10;
    case 0xA2:
    case 0xA3: return 0x11;
    case 0xA4:
    case 0xA5: return 0x12;
    default: return vk;
  }
}

}  // namespace veltrax::gui
