#pragma once
// The text rows through which the recorder and the editor handle a macro:
// a header row (the delay mode) and one row per event. The first character
// of a row is its type digit, which also picks the row's icon.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrax {

enum class DelayMode { Record, Default, None };

enum class MouseButton { Left, Right, Middle, Forward, Backward };

namespace RowType {
constexpr int kDelay = 0;
constexpr int kPress = 1;
constexpr int kRelease = 2;
constexpr int kXPositive = 3;
constexpr int kXNegative = 4;
constexpr int kYPositive = 5;
constexpr int kYNegative = 6;
constexpr int kRepeatStart = 7;
constexpr int kRepeatEnd = 8;
}  // namespace RowType

// The header row of a delay mode: "10", "01" + milliseconds, "00".
std::string HeaderRow(DelayMode mode, int defaultDelayMs);

struct MacroRowList {
  std::string header;  // empty until the first row of a recording or a decode
  std::vector<std::string> rows;

  bool empty() const { return header.empty() && rows.empty(); }
  void clear() {
    header.clear();
    rows.clear();
  }
  bool operator==(const MacroRowList&) const = default;
};

// Type digit of a row, -1 when the row has none.
int RowTypeOf(std::string_view row);

std::string DelayRow(int ms);
// mask is one of 0x01 Ctrl, 0x02 Shift, 0x04 Alt, 0x08 left Windows, 0x80 right Windows.
std::string ModifierRow(bool press, std::string_view name, uint8_t mask);
std::string KeyRow(bool press, std::string_view name, uint8_t usage);
std::string ButtonRow(bool press, MouseButton button);
std::string XRow(int value);  // -128..127
std::string YRow(int value);  // -128..127
std::string RepeatStartRow(int count);  // played count times, 1..256
std::string RepeatEndRow();

// Milliseconds of a delay row; 0 when the text after the type is no number.
int DelayOfRow(std::string_view row);
// Name of a press or release row: the text without the type and the code.
std::string KeyNameOfRow(std::string_view row);
// The text the row list shows: "A", "48 ms", "X-Axis  -12", "Rep-Start  10".
std::string ShownText(std::string_view row);

// A stored delay byte counts 8 ms; one delay pair holds at most 255 of them.
constexpr int kDelayUnitMs = 8;
constexpr int kMaxDelayPairMs = 255 * kDelayUnitMs;  // 2040

// Event bytes that a delay of ms milliseconds takes: 2 per started 2040 ms,
// and 2 for 0 ms.
int DelayBytes(int ms);

}  // namespace veltrax
