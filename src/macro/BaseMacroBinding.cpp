#include "macro/BaseMacroBinding.h"

#include <cstdio>

#include "macro/MacroName.h"

namespace veltrax {
namespace {

constexpr const char* kLeftKeyCodeText = "010100";

std::array<bool, kBaseMacroSlots + 1> SlotsInUse(const ProfileCodeTexts& codes) {
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
    if (table.slots[k - 1].name == name) {
      found = k;
      ++count;
    }
  }
  return count == 1 ? found : 0;
}

std::string BaseMacroCodeText(int slot, uint8_t playMode) {
  char text[7];
  std::snprintf(text, sizeof text, "%s0%d21", playMode == kReleaseForStop ? "0E" : "06", slot);
  return text;
}

}  // namespace

int FindBaseMacroSlot(const ProfileCodeTexts& codes, const MacroNameField& macroName, const BaseMacroTable& table) {
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

BindResult LB_NameClick(ProfileCodeTexts& codes, const BindTarget& target, const MacroRecord& macro,
                        BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area,
                        const ButtonCaptions& captions) {
  std::string& code = codes[target.CodeIndex()];
  const std::string kept = code;
  code = "000000";  // the slot this button used counts as free
  const int slot = FindBaseMacroSlot(codes, macro.name, table);
  if (slot == kNoFreeBaseSlot) {
    code = kept;
    return {BindOutcome::NoFreeSlot, 0, captions.CaptionOf(kept)};
  }

  const std::string macroName = MacroNameText(macro.name);
  std::array<std::string, kProfileButtons> labels;
  for (int b = 1; b <= kProfileButtons; ++b) {
    labels[b - 1] = b == target.button ? macroName : captions.CaptionOf(codes[target.profile * kProfileButtons + b - 1]);
  }
  if (!captions.KeepsLeftKey(labels)) {
    code = kLeftKeyCodeText;
    return {BindOutcome::LeftKeyKept, 0, captions.LeftKeyCaption()};
  }

  table.slots[slot - 1] = macro;
  table.names[slot - 1] = macroName;
  RefreshBaseMacroBuf(table, area);
  code = BaseMacroCodeText(slot, macro.content[0]);
  return {BindOutcome::Bound, slot, macroName};
}

}  // namespace veltrax
