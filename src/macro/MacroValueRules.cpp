#include "macro/MacroValueRules.h"

#include <charconv>
#include <cstdint>

namespace veltrax {
namespace {

// The number the whole text is; numbers too long for 64 bits saturate.
std::optional<int64_t> Number(std::string_view text) {
  int64_t value = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (end != text.data() + text.size() || text.empty()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) return text[0] == '-' ? INT64_MIN : INT64_MAX;
  if (ec != std::errc()) return std::nullopt;
  return value;
}

std::string Clamped(int64_t value, int64_t low, int64_t high, std::string_view text) {
  if (value > high) return std::to_string(high);
  if (value < low) return std::to_string(low);
  return std::string(text);
}

std::optional<int> InRange(std::string_view text, int low, int high) {
  auto value = Number(text);
  if (!value || *value < low || *value > high) return std::nullopt;
  return static_cast<int>(*value);
}

}  // namespace

bool AcceptsDelayKey(char c) { return (c >= '0' && c <= '9') || c == '\b'; }
bool AcceptsValueKey(char c) { return AcceptsDelayKey(c) || c == '-'; }

std::string CorrectDelayField(std::string_view text) {
  if (text.empty()) return {};
  auto value = Number(text);
  if (!value) return "0";
  return Clamped(*value, 0, kMaxDelayFieldMs, text);
}

std::string CorrectDelayDialog(std::string_view text) { return text.empty() ? "0" : CorrectDelayField(text); }

std::string CorrectAxisText(std::string_view text) {
  if (text == "-") return "-";
  if (text.empty()) return "0";
  auto value = Number(text);
  if (!value) return "0";
  return Clamped(*value, kMinAxisValue, kMaxAxisValue, text);
}

std::string CorrectRepeatText(std::string_view text) {
  if (text.empty()) return "0";
  auto value = Number(text);
  if (!value) return "0";
  return Clamped(*value, 0, kMaxRepeatCount, text);
}

std::optional<int> DelayValue(std::string_view text) { return InRange(text, 0, kMaxDelayFieldMs); }
std::optional<int> AxisValue(std::string_view text) { return InRange(text, kMinAxisValue, kMaxAxisValue); }
std::optional<int> RepeatValue(std::string_view text) { return InRange(text, 1, kMaxRepeatCount); }

}  // namespace veltrax
