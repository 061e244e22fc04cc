#include "keys/KeyFunctionCode.h"

#include <array>

#include "image/FieldConversions.h"

namespace veltrax {
namespace {

std::optional<uint8_t> DigitValue(char c) {
  if (c >= '0' && c <= '9') return static_cast<uint8_t>(c - '0');
  if (c >= 'A' && c <= 'F') return static_cast<uint8_t>(c - 'A' + 10);
  return std::nullopt;
}

std::optional<uint8_t> ParseByte(std::string_view two) {
  auto high = DigitValue(two[0]);
  auto low = DigitValue(two[1]);
  if (!high || !low) return std::nullopt;
  return static_cast<uint8_t>(*high * 16 + *low);
}

}  // namespace

std::string CodeText(const KeyFunctionCode& code) {
  const std::array<uint8_t, kButtonCodeBytes> bytes{code.type, code.data1, code.data2};
  return CodeText(std::span<const uint8_t, kButtonCodeBytes>(bytes));
}

std::optional<KeyFunctionCode> ParseCodeText(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  auto type = ParseByte(text.substr(0, 2));
  auto data1 = ParseByte(text.substr(2, 2));
  auto data2 = ParseByte(text.substr(4, 2));
  if (!type || !data1 || !data2) return std::nullopt;
  return KeyFunctionCode{*type, *data1, *data2};
}

std::optional<int> BaseMacroSlotOf(const KeyFunctionCode& code) {
  if (code.type != key_type::kMacroContinue && code.type != key_type::kMacroStop) return std::nullopt;
  const int address = code.data1 * 256 + code.data2;
  for (int slot = 1; slot <= kBaseMacroSlotCount; ++slot) {
    if (address == BaseMacroSlotAddress(slot)) return slot;
  }
  return std::nullopt;
}

KeyFunctionCode BaseMacroCode(int slot, uint8_t playMode) {
  const uint16_t address = BaseMacroSlotAddress(slot);
  // Only play mode 1 stops on release; any other byte plays on, as mode 0 does.
  const uint8_t type = playMode == 1 ? key_type::kMacroStop : key_type::kMacroContinue;
  return {type, static_cast<uint8_t>(address >> 8), static_cast<uint8_t>(address & 0xFF)};
}

}  // namespace veltrax
