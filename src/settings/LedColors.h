#pragma once
// Colours of the lights: the smart LED's seven named colours, free RGB
// colours of the MCU LED levels and key modes, and their "#RRGGBB" texts.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

struct RgbColor {
  uint8_t r = 0;
  uint8_t g = 0;
  uint8_t b = 0;
  friend bool operator==(const RgbColor&, const RgbColor&) = default;
};

// Values of the named colours, index 0..6 as kNamedColorNames.
constexpr std::array<RgbColor, 7> kNamedColorValues{{
    {255, 0, 0}, {0, 255, 0}, {255, 255, 0}, {0, 0, 255}, {255, 0, 255}, {0, 255, 255}, {255, 255, 255}}};

// The named colour at index, nothing outside 0..6.
std::optional<RgbColor> NamedColor(int index);
// The index of a named colour by its English name (any case) or by its
// value; nothing for any other colour.
std::optional<int> NamedColorIndex(std::string_view name);
std::optional<int> NamedColorIndex(const RgbColor& color);

// "#12A0FF"; upper-case digits.
std::string HexText(const RgbColor& color);
// "#RRGGBB" (either case) or a named colour's name; nothing otherwise.
std::optional<RgbColor> ParseColor(std::string_view text);

}  // namespace veltrax
