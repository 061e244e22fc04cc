#include "macro/MacroCodec.h"

#include <algorithm>
#include <array>
#include <charconv>

#include "base/HexText.h"
#include "keys/KeyCatalogue.h"

namespace veltrax {
namespace {

constexpr int kMaxPairsPerDelayRow = 5;
constexpr int kKeptDelayTotals = 4;
constexpr int kLastContentOffset = kMacroContentSize - 1;

struct ModifierBit {
  uint8_t mask;
  int virtualKey;
};
constexpr ModifierBit kModifierBits[] = {{0x01, 0x11}, {0x02, 0x10}, {0x04, 0x12}, {0x08, 0x5B}, {0x80, 0x5C}};

// The catalogue names of the modifier keys of a mask, joined by "+" when the
// mask holds more than one.
std::string ModifierName(uint8_t mask) {
  std::string name;
  for (const ModifierBit& bit : kModifierBits) {
    if ((mask & bit.mask) == 0) continue;
    if (!name.empty()) name += "+";
    name += KeyNameOfVirtualKey(bit.virtualKey);
  }
  return name.empty() ? "Modifier " + HexByte(mask) : name;
}

std::optional<MouseButton> ButtonOfCode(uint8_t code) {
  switch (code & 0x7F) {
    case 0x21: return MouseButton::Left;
    case 0x22: return MouseButton::Right;
    case 0x24: return MouseButton::Middle;
    case 0x28: return MouseButton::Forward;
    case 0x30: return MouseButton::Backward;
    default: return std::nullopt;
  }
}

class Decoder {
 public:
  explicit Decoder(const MacroContent& c) : c_(c), end_(std::min<int>(c[1], kLastContentOffset)) {}

  void Run(std::vector<std::string>& rows) {
    int i = 2;
    while (i <= end_) {
      const uint8_t code = c_[i];
      if (auto button = ButtonOfCode(code)) {
        rows.push_back(ButtonRow((code & MacroCode::kButtonPressBit) != 0, *button));
        i += 1;
      } else if (code == MacroCode::kRepeatEnd) {
        rows.push_back(RepeatEndRow());
        i += 1;
      } else if (IsTwoByteCode(code)) {
        if (i + 1 > end_) break;  // the content ends inside this event
        i = TwoByteEvent(i, rows);
      } else {
        i += 1;  // no event code: nothing to show
      }
    }
  }

  const std::array<int, kKeptDelayTotals>& DelayTotals() const { return totals_; }

 private:
  static bool IsTwoByteCode(uint8_t code) {
    switch (code) {
      case MacroCode::kModifierDown:
      case MacroCode::kModifierUp:
      case MacroCode::kKeyDown:
      case MacroCode::kKeyUp:
      case MacroCode::kMoveX:
      case MacroCode::kMoveY:
      case MacroCode::kRepeatStart:
      case MacroCode::kDelay: return true;
      default: return false;
    }
  }

  int TwoByteEvent(int i, std::vector<std::string>& rows) {
    const uint8_t code = c_[i];
    const uint8_t operand = c_[i + 1];
    switch (code) {
      case MacroCode::kModifierDown:
      case MacroCode::kModifierUp:
        rows.push_back(ModifierRow(code == MacroCode::kModifierDown, ModifierName(operand), operand));
        break;
      case MacroCode::kKeyDown:
      case MacroCode::kKeyUp:
        rows.push_back(KeyRow(code == MacroCode::kKeyDown, KeyNameOfUsage(operand), operand));
        break;
      case MacroCode::kMoveX: rows.push_back(XRow(static_cast<int8_t>(operand))); break;
      case MacroCode::kMoveY: rows.push_back(YRow(static_cast<int8_t>(operand))); break;
      case MacroCode::kRepeatStart: rows.push_back(RepeatStartRow(operand + 1)); break;
      case MacroCode::kDelay: return DelayRun(i, rows);
    }
    return i + 2;
  }

  int DelayRun(int i, std::vector<std::string>& rows) {
    int total = c_[i + 1] * kDelayUnitMs;
    int pairs = 1;
    while (pairs < kMaxPairsPerDelayRow && i + 2 * pairs + 1 <= end_ && c_[i + 2 * pairs] == MacroCode::kDelay) {
      total += c_[i + 2 * pairs + 1] * kDelayUnitMs;
      ++pairs;
    }
    rows.push_back(DelayRow(total));
    if (kept_ < kKeptDelayTotals) totals_[kept_++] = total;
    return i + 2 * pairs;
  }

  const MacroContent& c_;
  const int end_;  // last offset that holds an event byte
  std::array<int, kKeptDelayTotals> totals_{};
  int kept_ = 0;
};

void AppendHexBytes(std::string_view hex, std::vector<uint8_t>& out) {
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    unsigned value = 0;
    auto [end, ec] = std::from_chars(hex.data() + i, hex.data() + i + 2, value, 16);
    if (ec == std::errc() && end == hex.data() + i + 2) out.push_back(static_cast<uint8_t>(value));
  }
}

void AppendDelay(int ms, std::vector<uint8_t>& out) {
  for (int q = ms / kMaxDelayPairMs; q > 0; --q) {
    out.push_back(MacroCode::kDelay);
    out.push_back(0xFF);
  }
  const int r = ms % kMaxDelayPairMs;
  if (r > 0 || ms == 0) {
    out.push_back(MacroCode::kDelay);
    out.push_back(static_cast<uint8_t>(r / kDelayUnitMs));
  }
}

}  // namespace

DecodedMacro DecodeMacroContent(const MacroContent& content) {
  DecodedMacro decoded;
  if (content[0] == kReleaseForContinue || content[0] == kReleaseForStop) decoded.playMode = content[0];
  Decoder decoder(content);
  if (!ShowsEmpty(content)) decoder.Run(decoded.rows.rows);

  const auto& totals = decoder.DelayTotals();
  if (std::all_of(totals.begin(), totals.end(), [](int t) { return t == 0; })) {
    decoded.delayMode = DelayMode::None;
  } else if (std::all_of(totals.begin(), totals.end(), [&](int t) { return t == totals[0]; })) {
    decoded.delayMode = DelayMode::Default;
    decoded.defaultDelayMs = totals[0];
  } else {
    decoded.delayMode = DelayMode::Record;
  }
  decoded.rows.header = HeaderRow(decoded.delayMode, decoded.defaultDelayMs);
  return decoded;
}

std::vector<uint8_t> EncodeRowEvents(const std::vector<std::string>& rows) {
  std::vector<uint8_t> events;
  for (const std::string& row : rows) {
    const int type = RowTypeOf(row);
    if (type < 0) continue;
    if (type == RowType::kDelay) {
      AppendDelay(DelayOfRow(row), events);
      continue;
    }
    std::string_view code = std::string_view(row).substr(row.size() >= 4 ? row.size() - 4 : 0);
    if (code.substr(0, 2) == "00") code.remove_prefix(2);
    AppendHexBytes(code, events);
  }
  return events;
}

std::optional<MacroContent> EncodeMacroRows(const MacroRowList& rows, uint8_t playMode) {
  const std::vector<uint8_t> events = EncodeRowEvents(rows.rows);
  MacroContent content{};
  if (events.empty()) return content;
  if (events.size() > kMaxMacroEventBytes) return std::nullopt;
  const int length = static_cast<int>(events.size()) + 1;
  content[0] = playMode;
  content[1] = static_cast<uint8_t>(length);
  std::copy(events.begin(), events.end(), content.begin() + 2);
  content[length + 1] = MacroChecksum(std::span(content).subspan(1, length));
  return content;
}

}  // namespace veltrax
