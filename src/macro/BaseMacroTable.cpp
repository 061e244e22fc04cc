#include "macro/BaseMacroTable.h"

#include "macro/MacroName.h"

namespace veltrax {

BaseMacroTable ReadAndRefreshMacro(MacroAreaBytes area) {
  BaseMacroTable table;
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    table.records[k] = MacroRecord::FromBytes(area.subspan(k * kMacroRecordSize, kMacroRecordSize));
  }
  CheckMacroContentBuf(table);
  RefreshMacroName(table);
  return table;
}

BaseMacroNames BaseMacroNamesOf(MacroAreaBytes area) { return ReadAndRefreshMacro(area).names; }

void CheckMacroContentBuf(BaseMacroTable& table) {
  for (MacroRecord& slot : table.records) {
    if (!IsValidMacroContent(slot.content)) slot.content = {};
  }
}

void RefreshMacroName(BaseMacroTable& table) {
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    const MacroNameField& name = table.records[k].name;
    table.names[k] = IsBaseSlotPresent(name) ? MacroNameText(name) : std::string();
  }
}

void RefreshBaseMacroBuf(const BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area) {
  for (int k = 0; k < kBaseMacroSlots; ++k) {
    table.records[k].WriteTo(area.subspan(k * kMacroRecordSize).first<kMacroRecordSize>());
  }
}

}  // namespace veltrax
