#pragma once
// Fixed value tables of the parameter fields.

#include <array>
#include <cstdint>
#include <string_view>

namespace veltrax {

// DPI of the stored index 0..10.
constexpr std::array<int, 11> kDpiValueTable{500, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800, 6400};

// Sensor orientation: item index of cb_SensorOri -> code in bits 4..6 of
// 0x000, and the English captions of the items.
constexpr std::array<uint8_t, 8> kSensorCodeOfItem{7, 2, 4, 1, 6, 5, 0, 3};
constexpr std::array<std::string_view, 8> kSensorCaptions{
    "0°", "90°", "180°", "270°", "X Reverse", "Y Reverse", "XY Swap XY Reverse", "XY Swap XY NoReverse"};

constexpr int SensorItemOfCode(uint8_t code) {
  for (int i = 0; i < static_cast<int>(kSensorCodeOfItem.size()); ++i) {
    if (kSensorCodeOfItem[i] == code) return i;
  }
  return -1;
}

// Level colours of the smart LED, index 0..6.
constexpr std::array<std::string_view, 7> kNamedColorNames{"Red", "Green", "Yellow", "Blue", "Purple", "Cyan",
                                                           "White"};

constexpr uint8_t kAimKeyType = 0x0A;  // type byte of the AIM key function code

constexpr int kMinShots = 2;
constexpr int kMaxShots = 127;
constexpr int kMinLevels = 2;
constexpr int kMaxLevels = 7;

}  // namespace veltrax
