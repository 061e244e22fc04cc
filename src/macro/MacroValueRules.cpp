#include "macro/MacroValueRules.h"

#include <charconv>
#include <cstdint>
#include <optional>

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

Result<int> InRange(std::string_view text, int low, int high, const char* refusal) {
  auto value = Number(text);
  if (!value || *value < low || *value > high) return Error{ErrorKind::BadArgument, refusal};
  return static_cast<int>(*value);
}

constexpr const char* kDelayRange = "A delay is a whole number of milliseconds from 0 to 2040";
constexpr const char* kAxisRange = "An X or Y value is a whole number from -128 to 127";
constexpr const char* kLoneMinus = "\"-\" alone is no number: give an X or Y value from -128 to 127";
constexpr const char* kRepeatRange = "A repeat count is a whole number from 1 to 255";
constexpr const char* kRepeatZero = "A repeat count of 0 cannot be stored: a repeated block plays 1 to 255 times";

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

Result<int> DelayValue(std::string_view text) { return InRange(text, 0, kMaxDelayFieldMs, kDelayRange); }

Result<int> AxisValue(std::string_view text) {
  return InRange(text, kMinAxisValue, kMaxAxisValue, text == "-" ? kLoneMinus : kAxisRange);
}

Result<int> RepeatValue(std::string_view text) {
  return InRange(text, 1, kMaxRepeatCount, Number(text) == 0 ? kRepeatZero : kRepeatRange);
}

}  // namespace veltrax
