#include "keys/ButtonAssigner.h"

#include "keys/FunctionEntries.h"

namespace veltrax {
namespace {

constexpr std::string_view kLeftKeyNameId = "Str210";
constexpr std::string_view kKeepLeftKeyMessageId = "Str108";

KeyFunctionCode CodeAt(const DataBuf& dataBuf, KeyProfile profile, int button) {
  auto bytes = dataBuf.ButtonCode(profile, button);
  return {bytes[0], bytes[1], bytes[2]};
}

}  // namespace

std::optional<AssignTarget> PageLabelTarget(int label, KeyProfile onScreen) {
  if (label < 1 || label > kButtonsPerProfile) return std::nullopt;
  return AssignTarget{onScreen, label, AssignSource::PageLabel};
}

std::optional<AssignTarget> EngineerButtonTarget(int buttonId) {
  const int button = buttonId % 100;
  if (button < 1 || button > kButtonsPerProfile) return std::nullopt;
  if (buttonId / 100 == 1) return AssignTarget{KeyProfile::ModeA, button, AssignSource::EngineerButton};
  if (buttonId / 100 == 2) return AssignTarget{KeyProfile::ModeB, button, AssignSource::EngineerButton};
  return std::nullopt;
}

Result<AssignOutcome> ButtonAssigner::ChooseEntry(const AssignTarget& target, int entryId, uint8_t aimDpiIndex) {
  const FunctionEntry* entry = FindFunctionEntry(entryId);
  auto code = EntryCode(entryId, aimDpiIndex);
  if (entry == nullptr || !code) {
    return Error{ErrorKind::BadArgument, "no menu entry has the id " + std::to_string(entryId)};
  }
  return StoreKeepingLeftKey(target, *code, texts_.Text(entry->nameId));
}

Result<AssignOutcome> ButtonAssigner::ChooseCombination(const AssignTarget& target, const ComboResult& combo) {
  auto code = ParseCodeText(combo.codeText);
  if (!code || code->type != key_type::kCombination) {
    return Error{ErrorKind::BadArgument, "not a key combination code: \"" + combo.codeText + "\""};
  }
  Store(target, *code);
  return AssignOutcome{true, combo.text, *code, {}};
}

std::optional<AssignOutcome> ButtonAssigner::ChooseBaseMacro(const AssignTarget& target, int row,
                                                             BaseMacroSlots& slots) {
  // The slot the button plays now counts as free while a slot is sought.
  ButtonCodeTexts codes = codeTexts_;
  codes[target.CodeIndex()] = CodeText(kKeyOffCode);
  auto slot = slots.FindSlot(codes, row);
  if (!slot) return std::nullopt;
  // Any macro code is not the Left Key; the play mode is known once copied.
  const KeyFunctionCode provisional = BaseMacroCode(*slot, 0);
  if (!ProfileKeepsLeftKey(target, provisional)) return StoreKeepingLeftKey(target, provisional, {});
  const KeyFunctionCode code = BaseMacroCode(*slot, slots.CopyIntoSlot(row, *slot));
  Store(target, code);
  return AssignOutcome{true, slots.MacroName(row), code, {}};
}

AssignOutcome ButtonAssigner::ChooseCode(const AssignTarget& target, const KeyFunctionCode& code,
                                         const BaseMacroNames& macroNames) {
  std::string name = KeyFunctionName(code, texts_, macroNames);
  if (code.type == key_type::kCombination) {
    Store(target, code);
    return {true, std::move(name), code, {}};
  }
  return StoreKeepingLeftKey(target, code, std::move(name));
}

AssignOutcome ButtonAssigner::StoreKeepingLeftKey(const AssignTarget& target, const KeyFunctionCode& code,
                                                  std::string name) {
  if (!ProfileKeepsLeftKey(target, code)) {
    Store(target, kLeftKeyCode);
    return {false, texts_.Text(kLeftKeyNameId), kLeftKeyCode, texts_.Text(kKeepLeftKeyMessageId)};
  }
  Store(target, code);
  return {true, std::move(name), code, {}};
}

// Counts buttons by their code, not by their label: a macro or combination
// whose name reads "Left Key" is no left button, and a left button is one
// in every language.
bool ButtonAssigner::ProfileKeepsLeftKey(const AssignTarget& target, const KeyFunctionCode& code) const {
  if (code == kLeftKeyCode) return true;
  for (int button = 1; button <= kButtonsPerProfile; ++button) {
    if (button != target.button && CodeAt(dataBuf_, target.profile, button) == kLeftKeyCode) return true;
  }
  return false;
}

void ButtonAssigner::Store(const AssignTarget& target, const KeyFunctionCode& code) {
  codeTexts_[target.CodeIndex()] = CodeText(code);
  auto bytes = dataBuf_.ButtonCode(target.profile, target.button);
  bytes[0] = code.type;
  bytes[1] = code.data1;
  bytes[2] = code.data2;
}

std::array<std::string, 18> ButtonNamesOf(const ButtonCodeTexts& codeTexts, const TextTable& texts,
                                          const BaseMacroNames& macroNames) {
  std::array<std::string, 18> names;
  for (size_t i = 0; i < codeTexts.size(); ++i) names[i] = KeyFunctionName(codeTexts[i], texts, macroNames);
  return names;
}

}  // namespace veltrax
