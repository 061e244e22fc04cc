#include "macro/BaseMacroTable.h"

#include "macro/MacroName.h"

namespace veltrax {

BaseMacroTable ReadAndRefreshMacro(MacroAreaBytes area) {
  BaseMacroTable table;
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    table.slots[k] = MacroRecord::FromBytes(area.subspan(k * kMacroRecordSize, kMacroRecordSize));
  }
  CheckMacroContentBuf(table);
  RefreshMacroName(table);
  return table;
}

void CheckMacroContentBuf(BaseMacroTable& table) {
  for (MacroRecord& slot : table.slots) {
    if (!IsValidMacroContent(slot.content)) slot.content = {};
  }
}

void RefreshMacroName(BaseMacroTable& table) {
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    const MacroNameField& name = table.slots[k].name;
    table.names[k] = IsBaseSlotPresent(name) ? MacroNameText(name) : std::string();
  }
}

void RefreshBaseMacroBuf(const BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area) {
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    table.slots[k].WriteTo(area.subspan(k * kMacroRecordSize).first<kMacroRecordSize>());
  }
}

}  // namespace veltrax
