#pragma once
// Choosing a base macro slot for a library macro, and copying the macro
// into it when the button assignment rules bind it to a button.

#include <optional>
#include <span>

#include "keys/BaseMacroSlots.h"
#include "macro/BaseMacroTable.h"
#include "macro/MacroLibrary.h"

namespace veltrax {

constexpr int kNoFreeBaseSlot = 8;

// FindBaseMacroCount (and FindBaseMacroIndex, the same computation): slot
// 1..7 for the library macro whose name field is given, or 8 when every
// slot is used by a button code. A gapless run of used slots from slot 1
// gives the next slot, or the one slot whose name field equals the
// macro's; with a gap the first gap rule that applies picks the slot.
int FindBaseMacroSlot(const ButtonCodeTexts& codes, const MacroNameField& macroName, const BaseMacroTable& table);

// The library macros as the button menu's macro list offers them (row j is
// library record j), and the base macro slots they are copied into.
// ButtonAssigner::ChooseBaseMacro with these is LB_NameClick.
class LibraryMacroSlots final : public BaseMacroSlots {
 public:
  LibraryMacroSlots(const MacroLibrary& library, BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area)
      : library_(library), table_(table), area_(area) {}

  std::optional<int> FindSlot(const ButtonCodeTexts& codes, int row) const override;
  std::string MacroName(int row) const override;
  // Copies record `row` into the slot of the table and of the area.
  uint8_t CopyIntoSlot(int row, int slot) override;

 private:
  const MacroLibrary& library_;
  BaseMacroTable& table_;
  std::span<uint8_t, kMacroAreaBytes> area_;
};

}  // namespace veltrax
