#pragma once
// Where the desktop's pointer settings are read from and written to. The
// values keep the names and units the program has always used: two groups,
// "Mouse" (pointer sensitivity 1 to 20, acceleration and its two
// thresholds, double-click time in ms) and "Desktop" (wheel scroll lines,
// -1 for one screen per notch).

#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "base/Error.h"

namespace veltrax {

namespace pointer_value {
inline constexpr std::string_view kSensitivity = "MouseSensitivity";
inline constexpr std::string_view kAcceleration = "MouseSpeed";
inline constexpr std::string_view kThreshold1 = "MouseThreshold1";
inline constexpr std::string_view kThreshold2 = "MouseThreshold2";
inline constexpr std::string_view kDoubleClick = "DoubleClickSpeed";
inline constexpr std::string_view kScrollLines = "WheelScrollLines";
}  // namespace pointer_value

enum class PointerGroup { Mouse, Desktop };
// The group a value belongs to.
PointerGroup GroupOf(std::string_view name);
std::string_view GroupName(PointerGroup group);

class PointerStore {
 public:
  virtual ~PointerStore() = default;
  // False when the group cannot be opened: nothing is read or written for it.
  virtual bool Opens(PointerGroup group) const = 0;
  // A value; nothing when it cannot be read or is not a number.
  virtual std::optional<int> Read(std::string_view name) const = 0;
  virtual void Write(std::string_view name, int value) = 0;
  // The values written since the last Apply take effect: the desktop
  // changes at once, and a settings file is saved.
  virtual Status Apply() = 0;
  // Where a group is kept, for the page's hint: a file path, or the
  // desktop's settings schema.
  virtual std::string Where(PointerGroup group) const = 0;
};

// The Mouse group from one store and the Desktop group from another.
class RoutedPointerStore final : public PointerStore {
 public:
  RoutedPointerStore(std::unique_ptr<PointerStore> mouse, std::unique_ptr<PointerStore> desktop)
      : mouse_(std::move(mouse)), desktop_(std::move(desktop)) {}

  bool Opens(PointerGroup group) const override { return Of(group).Opens(group); }
  std::optional<int> Read(std::string_view name) const override { return Of(GroupOf(name)).Read(name); }
  void Write(std::string_view name, int value) override { Of(GroupOf(name)).Write(name, value); }
  Status Apply() override;
  std::string Where(PointerGroup group) const override { return Of(group).Where(group); }

 private:
  PointerStore& Of(PointerGroup group) const { return group == PointerGroup::Mouse ? *mouse_ : *desktop_; }

  std::unique_ptr<PointerStore> mouse_;
  std::unique_ptr<PointerStore> desktop_;
};

}  // namespace veltrax
