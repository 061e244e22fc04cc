#include "settings/LedColors.h"

#include <cstdio>

#include "base/AsciiCase.h"
#include "image/FieldTables.h"

namespace veltrax {
namespace {

std::optional<int> HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

}  // namespace

std::optional<RgbColor> NamedColor(int index) {
  if (index < 0 || index >= static_cast<int>(kNamedColorValues.size())) return std::nullopt;
  return kNamedColorValues[index];
}

std::optional<int> NamedColorIndex(std::string_view name) {
  for (int i = 0; i < static_cast<int>(kNamedColorNames.size()); ++i) {
    if (UpperAscii(name) == UpperAscii(kNamedColorNames[i])) return i;
  }
  return std::nullopt;
}

std::optional<int> NamedColorIndex(const RgbColor& color) {
  for (int i = 0; i < static_cast<int>(kNamedColorValues.size()); ++i) {
    if (kNamedColorValues[i] == color) return i;
  }
  return std::nullopt;
}

std::string HexText(const RgbColor& color) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02X%02X%02X", color.r, color.g, color.b);
  return text;
}

std::optional<RgbColor> ParseColor(std::string_view text) {
  if (auto named = NamedColorIndex(text)) return kNamedColorValues[*named];
  if (text.size() != 7 || text[0] != '#') return std::nullopt;
  std::array<uint8_t, 3> parts{};
  for (int i = 0; i < 3; ++i) {
    const auto high = HexDigit(text[1 + 2 * i]);
    const auto low = HexDigit(text[2 + 2 * i]);
    if (!high || !low) return std::nullopt;
    parts[i] = static_cast<uint8_t>(*high * 16 + *low);
  }
  return RgbColor{parts[0], parts[1], parts[2]};
}

}  // namespace veltrax
