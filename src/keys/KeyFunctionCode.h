#pragma once
// The function of one mouse button: three bytes (type, data 1, data 2), and
// its code text, six upper-case hexadecimal digits in byte order ("010100").

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

struct KeyFunctionCode {
  uint8_t type = 0;
  uint8_t data1 = 0;
  uint8_t data2 = 0;

  friend bool operator==(const KeyFunctionCode&, const KeyFunctionCode&) = default;
};

// Function types the program names or builds.
namespace key_type {
constexpr uint8_t kKeyOff = 0x00;
constexpr uint8_t kMouseButton = 0x01;
constexpr uint8_t kCombination = 0x02;
constexpr uint8_t kConsumer = 0x03;
constexpr uint8_t kDpiLoop = 0x05;
constexpr uint8_t kMacroContinue = 0x06;  // macro keeps playing after release
constexpr uint8_t kDpiUp = 0x07;
constexpr uint8_t kDpiDown = 0x08;
constexpr uint8_t kLedSwitch = 0x09;
constexpr uint8_t kAimKey = 0x0A;
constexpr uint8_t kFireMacro = 0x0C;
constexpr uint8_t kUnnamed = 0x0D;
constexpr uint8_t kMacroStop = 0x0E;  // releasing the button stops the macro
constexpr uint8_t kKeyModeSwitch = 0x0F;
constexpr uint8_t kLedModeSwitch = 0x10;
}  // namespace key_type

inline constexpr KeyFunctionCode kLeftKeyCode{key_type::kMouseButton, 0x01, 0x00};
inline constexpr KeyFunctionCode kKeyOffCode{key_type::kKeyOff, 0x00, 0x00};
// The fire key plays the sequence whose length byte lies at image address 0x0F0.
inline constexpr KeyFunctionCode kFireKeyCode{key_type::kMacroContinue, 0x00, 0xF0};

// Modifier bits of a combination code's data 1.
namespace modifier_bit {
constexpr uint8_t kCtrl = 0x01;
constexpr uint8_t kShift = 0x02;
constexpr uint8_t kAlt = 0x04;
constexpr uint8_t kWin = 0x08;
}  // namespace modifier_bit

// "0A0500" for 0A 05 00.
std::string CodeText(const KeyFunctionCode& code);

// Exactly six upper-case hexadecimal digits; anything else has no code.
std::optional<KeyFunctionCode> ParseCodeText(std::string_view text);

// The seven base macro slots are reached through the image address of
// their length byte: slot k (1..7) at 0x0121 + 0x100 * (k - 1).
constexpr int kBaseMacroSlotCount = 7;
constexpr uint16_t BaseMacroSlotAddress(int slot) { return static_cast<uint16_t>(0x0121 + 0x100 * (slot - 1)); }
// The slot 1..7 whose address the macro code carries, or nullopt.
std::optional<int> BaseMacroSlotOf(const KeyFunctionCode& code);
// 06 (play mode 0) or 0E (play mode 1) followed by the slot's address.
KeyFunctionCode BaseMacroCode(int slot, uint8_t playMode);

}  // namespace veltrax
