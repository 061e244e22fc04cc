#pragma once
// The mouse's seven base macro slots as the program holds them: the names
// and contents copied out of the macro working buffer, and the names the
// button labels show.

#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "keys/KeyFunctionName.h"
#include "macro/MacroRecord.h"

namespace veltrax {

constexpr int kBaseMacroSlots = kBaseMacroSlotCount;
// The macro area: slot k (1..7) is the record at 256 * (k - 1).
constexpr int kMacroAreaBytes = kBaseMacroSlots * kMacroRecordSize;
using MacroAreaBytes = std::span<const uint8_t, kMacroAreaBytes>;

struct BaseMacroTable {
  std::array<MacroRecord, kBaseMacroSlots> records{};  // record k - 1 is slot k
  // Entry k - 1 is the decoded name of slot k, empty for an empty slot.
  BaseMacroNames names{};
};

// Copies the seven slots out of the area, empties the contents that are not
// valid (the area keeps its bytes) and rebuilds the names.
BaseMacroTable ReadAndRefreshMacro(MacroAreaBytes area);
void CheckMacroContentBuf(BaseMacroTable& table);
// The names that buttons bound to the area's base macros show, as the key
// labels, the engineer buttons and veltraxctl name them.
BaseMacroNames BaseMacroNamesOf(MacroAreaBytes area);
void RefreshMacroName(BaseMacroTable& table);

// Copies the table back into the area.
void RefreshBaseMacroBuf(const BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area);

}  // namespace veltrax
