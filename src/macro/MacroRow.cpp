#include "macro/MacroRow.h"

#include <charconv>

#include "base/HexText.h"
#include "macro/MacroRecord.h"

namespace veltrax {
namespace {

constexpr int kCodeSuffixLength = 10;  // " CODE:" and four digits

// The row without its type digit and blank.
std::string_view Body(std::string_view row) { return row.size() > 2 ? row.substr(2) : std::string_view(); }

std::string TypedRow(int type, std::string_view rest) { return std::to_string(type) + " " + std::string(rest); }

// The last two hex digits of a row as a byte; 0 when they are not hex.
uint8_t LastByte(std::string_view row) {
  if (row.size() < 2) return 0;
  unsigned value = 0;
  auto tail = row.substr(row.size() - 2);
  auto [end, ec] = std::from_chars(tail.data(), tail.data() + 2, value, 16);
  return ec == std::errc() && end == tail.data() + 2 ? static_cast<uint8_t>(value) : 0;
}

std::string AxisRow(int positiveType, const char* code, int value) {
  const int type = value >= 0 ? positiveType : positiveType + 1;
  return TypedRow(type, std::string(code) + HexByte(static_cast<unsigned>(value < 0 ? value + 256 : value)));
}

struct ButtonInfo {
  const char* name;
  uint8_t releaseCode;
};

constexpr ButtonInfo kButtons[] = {
    {"LeftKey", 0x21}, {"RightKey", 0x22}, {"MiddleKey", 0x24}, {"Forward", 0x28}, {"Backward", 0x30},
};

}  // namespace

std::string HeaderRow(DelayMode mode, int defaultDelayMs) {
  switch (mode) {
    case DelayMode::Record: return "10";
    case DelayMode::Default: return "01" + std::to_string(defaultDelayMs);
    case DelayMode::None: break;
  }
  return "00";
}

int RowTypeOf(std::string_view row) {
  if (row.empty() || row[0] < '0' || row[0] > '8') return -1;
  return row[0] - '0';
}

std::string DelayRow(int ms) { return TypedRow(RowType::kDelay, std::to_string(ms)); }

std::string ModifierRow(bool press, std::string_view name, uint8_t mask) {
  return TypedRow(press ? RowType::kPress : RowType::kRelease,
                  std::string(name) + " CODE:" + (press ? "81" : "01") + HexByte(mask));
}

std::string KeyRow(bool press, std::string_view name, uint8_t usage) {
  return TypedRow(press ? RowType::kPress : RowType::kRelease,
                  std::string(name) + " CODE:" + (press ? "82" : "02") + HexByte(usage));
}

std::string ButtonRow(bool press, MouseButton button) {
  const ButtonInfo& info = kButtons[static_cast<int>(button)];
  const uint8_t code = press ? info.releaseCode | MacroCode::kButtonPressBit : info.releaseCode;
  return TypedRow(press ? RowType::kPress : RowType::kRelease, std::string(info.name) + " CODE:00" + HexByte(code));
}

std::string XRow(int value) { return AxisRow(RowType::kXPositive, "FB", value); }
std::string YRow(int value) { return AxisRow(RowType::kYPositive, "FA", value); }

std::string RepeatStartRow(int count) { return TypedRow(RowType::kRepeatStart, "FD" + HexByte(count - 1)); }
std::string RepeatEndRow() { return TypedRow(RowType::kRepeatEnd, "00FC"); }

int DelayOfRow(std::string_view row) {
  const std::string_view text = Body(row);
  int ms = 0;
  auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), ms);
  return ec == std::errc() && end == text.data() + text.size() ? ms : 0;
}

std::string KeyNameOfRow(std::string_view row) {
  if (row.size() < 2 + kCodeSuffixLength) return {};
  return std::string(row.substr(2, row.size() - 2 - kCodeSuffixLength));
}

std::string ShownText(std::string_view row) {
  const auto signedByte = [&] { return static_cast<int>(static_cast<int8_t>(LastByte(row))); };
  switch (RowTypeOf(row)) {
    case RowType::kDelay: return std::string(Body(row)) + " ms";
    case RowType::kPress:
    case RowType::kRelease: return KeyNameOfRow(row);
    case RowType::kXPositive:
    case RowType::kXNegative: return "X-Axis  " + std::to_string(signedByte());
    case RowType::kYPositive:
    case RowType::kYNegative: return "Y-Axis  " + std::to_string(signedByte());
    case RowType::kRepeatStart: return "Rep-Start  " + std::to_string(LastByte(row) + 1);
    case RowType::kRepeatEnd: return "Rep-Stop";
    default: return std::string(Body(row));
  }
}

int DelayBytes(int ms) {
  if (ms <= 0) return 2;
  return 2 * ((ms + kMaxDelayPairMs - 1) / kMaxDelayPairMs);
}

}  // namespace veltrax
