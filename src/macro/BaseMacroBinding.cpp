#include "macro/BaseMacroBinding.h"

#include "macro/MacroName.h"

namespace veltrax {
namespace {

std::array<bool, kBaseMacroSlots + 1> SlotsInUse(const ButtonCodeTexts& codes) {
  std::array<bool, kBaseMacroSlots + 1> used{};  // index 1..7
  for (const std::string& code : codes) {
    if (code.size() != 6 || (code.compare(0, 2, "06") != 0 && code.compare(0, 2, "0E") != 0)) continue;
    if (code[2] != '0' || code.compare(4, 2, "21") != 0) continue;
    const int k = code[3] - '0';
    if (k >= 1 && k <= kBaseMacroSlots) used[k] = true;
  }
  return used;
}

int SlotWithSameName(const MacroNameField& name, const BaseMacroTable& table) {
  int found = 0;
  int count = 0;
  for (int k = 1; k <= kBaseMacroSlots; ++k) {
    if (table.records[k - 1].name == name) {
      found = k;
      ++count;
    }
  }
  return count == 1 ? found : 0;
}

}  // namespace

int FindBaseMacroSlot(const ButtonCodeTexts& codes, const MacroNameField& macroName, const BaseMacroTable& table) {
  const auto used = SlotsInUse(codes);
  int c = 0;
  for (int k = 1; k <= kBaseMacroSlots; ++k) c += used[k] ? 1 : 0;

  bool gapless = true;
  for (int k = 1; k <= kBaseMacroSlots; ++k) gapless = gapless && used[k] == (k <= c);
  if (gapless) {
    if (int same = SlotWithSameName(macroName, table)) return same;
    return c + 1;
  }

  if (!used[1] && used[2]) return 1;
  for (int k = 2; k <= 6; ++k) {
    if (used[k - 1] && !used[k] && used[k + 1]) return k;
  }
  if (used[6] && !used[7]) return 7;
  if (!used[c]) return c;
  for (int k = 1; k <= kBaseMacroSlots; ++k) {
    if (!used[k]) return k;
  }
  return kNoFreeBaseSlot;
}

std::optional<int> LibraryMacroSlots::FindSlot(const ButtonCodeTexts& codes, int row) const {
  if (row < 0 || row >= library_.Count()) return std::nullopt;
  const int slot = FindBaseMacroSlot(codes, library_.Record(row).name, table_);
  if (slot == kNoFreeBaseSlot) return std::nullopt;
  return slot;
}

std::string LibraryMacroSlots::MacroName(int row) const { return MacroNameText(library_.Record(row).name); }

uint8_t LibraryMacroSlots::CopyIntoSlot(int row, int slot) {
  const MacroRecord& macro = library_.Record(row);
  table_.records[slot - 1] = macro;
  table_.names[slot - 1] = MacroNameText(macro.name);
  RefreshBaseMacroBuf(table_, area_);
  return macro.content[0];
}

}  // namespace veltrax
