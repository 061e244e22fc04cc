#pragma once
// Macro names: up to 16 UTF-16 code units, each stored high byte first in the
// 32-byte name field, zero-padded.

#include <string>
#include <string_view>

#include "base/Error.h"
#include "macro/MacroRecord.h"

namespace veltrax {

constexpr int kMaxMacroNameUnits = kMacroNameSize / 2;

// Four upper-case hex digits per code unit, high byte first; stops at the
// first zero unit.
std::string NameToHexUnits(std::u16string_view name);

// The visible name of a name field: its code units up to the first zero unit.
std::u16string HexUnitsToName(const MacroNameField& field);

// The name field for a name given as UTF-8 text; refuses text that is not
// UTF-8, empty, or longer than 16 code units.
Result<MacroNameField> MacroNameStrToUnicode(std::string_view name);

// The name to show, as UTF-8.
std::string MacroNameText(const MacroNameField& field);

}  // namespace veltrax
