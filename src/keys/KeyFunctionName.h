#pragma once
// The name a button label shows for a function code, in the current language.

#include <array>
#include <string>
#include <string_view>

#include "base/TextTable.h"
#include "keys/KeyFunctionCode.h"

namespace veltrax {

// The display names of the seven base macro slots: entry k - 1 names slot k,
// empty for an empty slot.
using BaseMacroNames = std::array<std::string, kBaseMacroSlotCount>;

// The name of a code text; empty when no rule names it. Code texts are
// always built upper case, so a text that is not six upper-case digits
// names nothing.
std::string KeyFunctionName(std::string_view codeText, const TextTable& texts, const BaseMacroNames& macroNames);
std::string KeyFunctionName(const KeyFunctionCode& code, const TextTable& texts, const BaseMacroNames& macroNames);

// "Ctrl+Shift+A" for 02 03 04: the modifier words with their plus signs,
// then the key's name when there is a key.
std::string CombinationName(uint8_t modifiers, uint8_t usage);

}  // namespace veltrax
