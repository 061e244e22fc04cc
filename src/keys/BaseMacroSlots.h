#pragma once
// What choosing a base macro for a button needs from the macro library and
// the mouse's macro area; the macro module provides it.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace veltrax {

// The 18 code texts of the buttons: key profile A's nine, then profile B's.
using ButtonCodeTexts = std::array<std::string, 18>;

class BaseMacroSlots {
 public:
  virtual ~BaseMacroSlots() = default;
  // The slot 1..7 that library macro `row` would be copied into, given the
  // 18 code texts; nullopt when no slot is free.
  virtual std::optional<int> FindSlot(const ButtonCodeTexts& codes, int row) const = 0;
  // The name of library macro `row`, as the button label shows it.
  virtual std::string MacroName(int row) const = 0;
  // Copies library macro `row` into the slot (base macro table, its name
  // list and the macro working buffer) and gives the slot's play mode byte.
  virtual uint8_t CopyIntoSlot(int row, int slot) = 0;
};

}  // namespace veltrax
