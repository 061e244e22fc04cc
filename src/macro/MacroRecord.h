#pragma once
// The one byte form of a macro: a 32-byte name field and a 224-byte content
// (play mode, length byte, event bytes, checksum). Base slots of the mouse,
// library records and single-macro files all use it.

#include <array>
#include <cstdint>
#include <span>

namespace veltrax {

constexpr int kMacroNameSize = 32;
constexpr int kMacroContentSize = 224;
constexpr int kMacroRecordSize = kMacroNameSize + kMacroContentSize;
// Mode, length and checksum leave 221 bytes for events.
constexpr int kMaxMacroEventBytes = kMacroContentSize - 3;

using MacroNameField = std::array<uint8_t, kMacroNameSize>;
using MacroContent = std::array<uint8_t, kMacroContentSize>;

// Event codes; a press is its release code with bit 7 set.
namespace MacroCode {
constexpr uint8_t kModifierDown = 0x81;
constexpr uint8_t kModifierUp = 0x01;
constexpr uint8_t kKeyDown = 0x82;
constexpr uint8_t kKeyUp = 0x02;
constexpr uint8_t kButtonPressBit = 0x80;
constexpr uint8_t kMoveY = 0xFA;
constexpr uint8_t kMoveX = 0xFB;
constexpr uint8_t kRepeatEnd = 0xFC;
constexpr uint8_t kRepeatStart = 0xFD;
constexpr uint8_t kDelay = 0xFE;
}  // namespace MacroCode

// Play modes of byte 0.
constexpr uint8_t kReleaseForContinue = 0;
constexpr uint8_t kReleaseForStop = 1;

struct MacroRecord {
  MacroNameField name{};
  MacroContent content{};

  bool operator==(const MacroRecord&) const = default;

  // Reads as much of bytes as there is; the rest stays zero.
  static MacroRecord FromBytes(std::span<const uint8_t> bytes);
  void WriteTo(std::span<uint8_t, kMacroRecordSize> out) const;
};

// Low 8 bits of the sum of bytes, XOR 0x5A.
uint8_t MacroChecksum(std::span<const uint8_t> bytes);

// Length byte L in 1..222 and the checksum over offsets 1..L at L + 1.
bool IsValidMacroContent(const MacroContent& content);

// A record is present when one of its first two name bytes is non-zero.
bool IsRecordPresent(const MacroNameField& name);
// Erased memory (FF FF) in a base slot also counts as empty.
bool IsBaseSlotPresent(const MacroNameField& name);

// A length byte of 0 or 0xFF shows as an empty macro.
inline bool ShowsEmpty(const MacroContent& content) { return content[1] == 0 || content[1] == 0xFF; }

}  // namespace veltrax
