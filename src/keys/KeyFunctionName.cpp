#include "keys/KeyFunctionName.h"

#include "keys/FunctionEntries.h"
#include "keys/KeyCatalogue.h"

namespace veltrax {
namespace {

// Fire macro codes with a name id of their own; no language names them today.
struct FireMacroName {
  KeyFunctionCode code;
  std::string_view nameId;
};
constexpr FireMacroName kFireMacroNames[] = {
    {{key_type::kFireMacro, 0x01, 0x01}, "Str600"}, {{key_type::kFireMacro, 0x02, 0x02}, "Str601"},
    {{key_type::kFireMacro, 0x03, 0x03}, "Str602"}, {{key_type::kFireMacro, 0x04, 0x04}, "Str603"},
    {{key_type::kFireMacro, 0x05, 0x05}, "Str604"}, {{key_type::kFireMacro, 0x06, 0x06}, "Str605"},
    {{key_type::kFireMacro, 0x06, 0x07}, "Str605"}, {{key_type::kFireMacro, 0x08, 0x08}, "Str606"},
    {{key_type::kFireMacro, 0x08, 0x09}, "Str606"}, {{key_type::kFireMacro, 0x08, 0x0A}, "Str606"},
};

const FunctionEntry* FixedEntryOf(const KeyFunctionCode& code) {
  for (const FunctionEntry& entry : FunctionEntries()) {
    if (entry.entryId != entry_id::kAimKey && entry.code == code) return &entry;
  }
  return nullptr;
}

}  // namespace

std::string CombinationName(uint8_t modifiers, uint8_t usage) {
  std::string name;
  if (modifiers & modifier_bit::kCtrl) name += "Ctrl+";
  if (modifiers & modifier_bit::kShift) name += "Shift+";
  if (modifiers & modifier_bit::kAlt) name += "Alt+";
  if (modifiers & modifier_bit::kWin) name += "Win+";
  if (usage != 0) name += KeyNameOfUsage(usage);
  return name;
}

std::string KeyFunctionName(const KeyFunctionCode& code, const TextTable& texts, const BaseMacroNames& macroNames) {
  if (const FunctionEntry* entry = FixedEntryOf(code)) return texts.Text(entry->nameId);
  switch (code.type) {
    case key_type::kAimKey:
      return texts.Text(FindFunctionEntry(entry_id::kAimKey)->nameId);
    case key_type::kCombination:
      return CombinationName(code.data1, code.data2);
    case key_type::kMacroContinue:
    case key_type::kMacroStop: {
      auto slot = BaseMacroSlotOf(code);
      return slot ? macroNames[*slot - 1] : std::string();
    }
    case key_type::kFireMacro:
      for (const FireMacroName& fire : kFireMacroNames) {
        if (fire.code == code) return texts.Text(fire.nameId);
      }
      return {};
    default:
      return {};
  }
}

std::string KeyFunctionName(std::string_view codeText, const TextTable& texts, const BaseMacroNames& macroNames) {
  auto code = ParseCodeText(codeText);
  return code ? KeyFunctionName(*code, texts, macroNames) : std::string();
}

}  // namespace veltrax
