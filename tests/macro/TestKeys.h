#pragma once
// A small key catalogue for the macro tests: letters, digits, the modifier
// keys and the ignored key "255".

#include <cstdint>
#include <string>

#include "macro/MacroKeyNames.h"

namespace veltrax::test {

class TestKeys final : public MacroKeyNames {
 public:
  std::string NameOfVirtualKey(int vk) const override {
    if (vk >= 0x41 && vk <= 0x5A) return std::string(1, static_cast<char>(vk));
    switch (vk) {
      case 0x10: return "Shift";
      case 0x11: return "Ctrl";
      case 0x12: return "Alt";
      case 0x5B: return "Left Windows";
      case 0x5C: return "Right Windows";
      case 0xFF: return "255";
      default: return "None";
    }
  }
  uint8_t UsageOfVirtualKey(int vk) const override {
    if (vk >= 0x41 && vk <= 0x5A) return static_cast<uint8_t>(vk - 0x41 + 0x04);
    switch (vk) {
      case 0x10: return 0xE1;
      case 0x11: return 0xE0;
      case 0x12: return 0xE2;
      case 0x5B: return 0xE3;
      case 0x5C: return 0xE7;
      default: return 0;
    }
  }
  std::string NameOfUsage(uint8_t usage) const override {
    if (usage >= 0x04 && usage <= 0x1D) return std::string(1, static_cast<char>('A' + usage - 0x04));
    switch (usage) {
      case 0xE0: return "Left Ctrl";
      case 0xE1: return "Left Shift";
      case 0xE2: return "Left Alt";
      case 0xE3:
      case 0xE7: return "Win";
      default: return "";
    }
  }
};

}  // namespace veltrax::test
