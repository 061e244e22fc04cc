#pragma once
// The layout of one language (built-in texts ORG1 to ORG3, sections org1 to
// org3): positions, visibility, sizes, font sizes and colours of the skinned
// controls, looked up by control name ("Btn_A2", "Key3", "DPI1_Steps").

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "resources/IniText.h"

namespace veltrax {

// Where a control goes. `enabled` is its <Name>_Enable flag (true when the
// control has no such key); `visible` also needs the position to lie inside
// the window, which is how the shipped layouts hide controls (x = 2640).
struct Placement {
  int x = 0;
  int y = 0;
  bool enabled = false;
  bool visible = false;
};

class LayoutTable {
 public:
  LayoutTable() = default;
  static LayoutTable Parse(std::string_view text, std::string_view section);

  std::optional<int> Int(std::string_view key) const { return ini_.Int(key); }
  int IntOr(std::string_view key, int fallback) const { return Int(key).value_or(fallback); }

  // From <name>_X, <name>_Y and <name>_Enable (1 enables, any other value
  // disables). A control without a position is neither enabled nor visible.
  Placement Place(std::string_view name, int windowWidth, int windowHeight) const;

  // <prefix>_R, _G, _B combined as R + G*256 + B*65536, each clamped to
  // 0..255; nothing when a component is missing. Example prefix "Color_G_SF".
  std::optional<uint32_t> Color(std::string_view prefix) const;

  // The keys of `keys` that this layout lacks or whose value is no integer.
  std::vector<std::string> MissingKeys(std::span<const std::string_view> keys) const;

 private:
  IniSection ini_;
};

// x of segment i (from 1) of a step bar whose first segment lies at x with
// the given gap (<Name>_D) and segment width.
inline int StepSegmentX(int x, int gap, int segmentWidth, int segment) {
  return x + (segment - 1) * (gap + segmentWidth);
}

// A colour as stored (R + G*256 + B*65536) split into its components.
struct Rgb {
  int r = 0;
  int g = 0;
  int b = 0;
};
inline Rgb SplitColor(uint32_t packed) {
  return {static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
          static_cast<int>((packed >> 16) & 0xFF)};
}

}  // namespace veltrax
