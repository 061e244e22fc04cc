#pragma once
// The one fixed table that links the PC keyboard's virtual-key codes, the
// HID keyboard usages the mouse sends, and the (English) key names shown in
// every language. Pure look-ups without state.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

// The name of the row that virtual key vk selects; "None" for a key outside
// the catalogue (including anything outside 0..255).
std::string KeyNameOfVirtualKey(int vk);

// The usage of the row that vk selects; 0 when the row has none.
uint8_t UsageOfVirtualKey(int vk);

// The name a stored usage is shown with; the modifier and Windows usages
// have names of their own ("Left Ctrl" ... "Win"); empty when no row gives it.
std::string KeyNameOfUsage(uint8_t usage);

// The virtual key of the first row (lowest virtual key) whose usage is
// `usage`, so that the modifier usages give the generic Ctrl, Shift and Alt
// keys; nothing when no row has it.
std::optional<int> VirtualKeyOfUsage(uint8_t usage);

// The usage whose name (as KeyNameOfUsage gives it) or whose row name is
// `name`, compared exactly; nullopt for a name without usage.
std::optional<uint8_t> UsageOfKeyName(std::string_view name);

}  // namespace veltrax
