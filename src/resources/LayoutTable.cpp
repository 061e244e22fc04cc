#include "resources/LayoutTable.h"

#include <algorithm>

namespace veltrax {

LayoutTable LayoutTable::Parse(std::string_view text, std::string_view section) {
  LayoutTable layout;
  layout.ini_ = IniSection::Parse(text, section);
  return layout;
}

Placement LayoutTable::Place(std::string_view name, int windowWidth, int windowHeight) const {
  const std::string base(name);
  const std::optional<int> x = Int(base + "_X");
  const std::optional<int> y = Int(base + "_Y");
  Placement place;
  if (!x || !y) return place;
  place.x = *x;
  place.y = *y;
  const std::optional<std::string> enable = ini_.Value(base + "_Enable");
  place.enabled = !enable || Int(base + "_Enable") == 1;
  const bool inside = *x >= 0 && *y >= 0 && *x < windowWidth && *y < windowHeight;
  place.visible = place.enabled && inside;
  return place;
}

std::optional<uint32_t> LayoutTable::Color(std::string_view prefix) const {
  const std::string base(prefix);
  const std::optional<int> r = Int(base + "_R");
  const std::optional<int> g = Int(base + "_G");
  const std::optional<int> b = Int(base + "_B");
  if (!r || !g || !b) return std::nullopt;
  auto component = [](int v) { return static_cast<uint32_t>(std::clamp(v, 0, 255)); };
  return component(*r) + component(*g) * 256u + component(*b) * 65536u;
}

std::vector<std::string> LayoutTable::MissingKeys(std::span<const std::string_view> keys) const {
  std::vector<std::string> missing;
  for (std::string_view key : keys) {
    if (!Int(key)) missing.emplace_back(key);
  }
  return missing;
}

}  // namespace veltrax
