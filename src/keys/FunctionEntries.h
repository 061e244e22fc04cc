#pragma once
// The fixed functions that the assignment menus offer: entry id, the menu
// entry's control, its code and the string id of its name.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "keys/KeyFunctionCode.h"

namespace veltrax {

namespace entry_id {
constexpr int kLeftKey = 900;
constexpr int kAimKey = 1002;
constexpr int kUnnamed = 1003;  // maps to 0D 00 00; no menu offers it
}  // namespace entry_id

struct FunctionEntry {
  int entryId;
  std::string_view control;  // "Key_Left"; empty for an id no menu shows
  KeyFunctionCode code;      // for the AIM key, data 1 is filled in when chosen
  std::string_view nameId;   // "Str210"
};

std::span<const FunctionEntry> FunctionEntries();

// The entry of id, or nullptr.
const FunctionEntry* FindFunctionEntry(int entryId);

// The code of an entry id, or nullopt for an id without entry. The AIM key
// entry carries the AIM key DPI index that is current when it is chosen.
std::optional<KeyFunctionCode> EntryCode(int entryId, uint8_t aimDpiIndex);

// EntryCode as code text; the empty text for an id without entry.
std::string MenuEntryCode(int entryId, uint8_t aimDpiIndex);

}  // namespace veltrax
