#pragma once
// The assignment rules of the key pages and the engineer page's key
// buttons: which button a menu edits, what choosing a function, a
// combination or a base macro does to the profile's codes, and the Left
// Key rule that keeps every profile usable.

#include <optional>
#include <string>

#include "base/Error.h"
#include "base/TextTable.h"
#include "image/ImageLayout.h"
#include "keys/BaseMacroSlots.h"
#include "keys/ComboKeyDialogState.h"
#include "keys/KeyFunctionCode.h"
#include "keys/KeyFunctionName.h"

namespace veltrax {

enum class AssignSource { PageLabel, EngineerButton };

// The button being edited while a menu is open.
struct AssignTarget {
  KeyProfile profile = KeyProfile::ModeA;
  int button = 1;  // 1..9
  AssignSource source = AssignSource::PageLabel;

  int CodeIndex() const { return static_cast<int>(profile) * kButtonsPerProfile + button - 1; }
};

// Label Key1..Key9 of the key page that shows `onScreen`.
std::optional<AssignTarget> PageLabelTarget(int label, KeyProfile onScreen);
// btn_Key101..109 edit profile A, btn_Key201..209 profile B.
std::optional<AssignTarget> EngineerButtonTarget(int buttonId);

struct [[nodiscard]] AssignOutcome {
  bool accepted = false;    // false: refused by the Left Key rule
  std::string shownName;    // what the target shows now
  KeyFunctionCode code;     // what the button holds now
  std::string message;      // "Please keep a Left Key" when refused
};

// The button codes the editor changes: each change goes both into the
// button's code text and into its three bytes in ProfileSection.
class ButtonAssigner {
 public:
  ButtonAssigner(const TextTable& texts, DataBuf& dataBuf, ButtonCodeTexts& codeTexts)
      : texts_(texts), dataBuf_(dataBuf), codeTexts_(codeTexts) {}

  // A leaf entry of the menus. An id without entry changes nothing.
  Result<AssignOutcome> ChooseEntry(const AssignTarget& target, int entryId, uint8_t aimDpiIndex);
  // The combination key dialog confirmed: stored without the Left Key rule,
  // so a combination may replace the last Left Key.
  Result<AssignOutcome> ChooseCombination(const AssignTarget& target, const ComboResult& combo);
  // Row `row` of the macro list. Nothing when no slot is free (the button
  // keeps its function, no message).
  std::optional<AssignOutcome> ChooseBaseMacro(const AssignTarget& target, int row, BaseMacroSlots& slots);
  // A raw code, as from a profile tool: a combination (type 02) as
  // ChooseCombination, anything else under the Left Key rule.
  AssignOutcome ChooseCode(const AssignTarget& target, const KeyFunctionCode& code,
                           const BaseMacroNames& macroNames);

 private:
  // Stores code unless it would leave the target's profile without a
  // button whose code is the Left Key's; then the target becomes the Left
  // Key instead.
  AssignOutcome StoreKeepingLeftKey(const AssignTarget& target, const KeyFunctionCode& code, std::string name);
  bool ProfileKeepsLeftKey(const AssignTarget& target, const KeyFunctionCode& code) const;
  void Store(const AssignTarget& target, const KeyFunctionCode& code);

  const TextTable& texts_;
  DataBuf& dataBuf_;
  ButtonCodeTexts& codeTexts_;
};

// The names the 18 buttons show, in the order of their code texts
// (profile A's nine, then profile B's); the labels and engineer buttons are
// refreshed from these whenever the code texts are rebuilt.
std::array<std::string, 18> ButtonNamesOf(const ButtonCodeTexts& codeTexts, const TextTable& texts,
                                          const BaseMacroNames& macroNames);

}  // namespace veltrax
