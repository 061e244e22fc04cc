#pragma once
// Choosing a base macro slot for a library macro and binding the macro to a
// mouse button.

#include <array>
#include <string>

#include "macro/BaseMacroTable.h"
#include "macro/MacroRecord.h"

namespace veltrax {

constexpr int kProfileButtons = 9;
constexpr int kNoFreeBaseSlot = 8;

// The 18 code texts of the buttons: key profile A's nine, then profile B's.
using ProfileCodeTexts = std::array<std::string, 2 * kProfileButtons>;

// Slot 1..7 for the library macro whose name field is given, or 8 when
// every slot is used by a button code. A gapless run of used slots from
// slot 1 gives the next slot, or the one slot whose name field equals the
// macro's; with a gap the first gap rule that applies picks the slot.
// FindBaseMacroCount and FindBaseMacroIndex are this computation.
int FindBaseMacroSlot(const ProfileCodeTexts& codes, const MacroNameField& macroName, const BaseMacroTable& table);

// What binding needs of the button functions.
class ButtonCaptions {
 public:
  virtual ~ButtonCaptions() = default;
  // The label a button with this code text shows.
  virtual std::string CaptionOf(const std::string& codeText) const = 0;
  // Whether one of the nine labels of a key profile is the Left Key.
  virtual bool KeepsLeftKey(const std::array<std::string, kProfileButtons>& captions) const = 0;
  virtual std::string LeftKeyCaption() const = 0;
};

struct BindTarget {
  int profile = 0;  // 0: key profile A, 1: key profile B
  int button = 1;   // 1..9
  int CodeIndex() const { return profile * kProfileButtons + button - 1; }
};

enum class BindOutcome {
  NoFreeSlot,     // nothing changed
  LeftKeyKept,    // the button became the Left Key instead ("Please keep a Left Key")
  Bound,
};

struct BindResult {
  BindOutcome outcome = BindOutcome::NoFreeSlot;
  int slot = 0;              // with Bound
  std::string caption;       // the button's label afterwards
};

// LB_NameClick: binds a library macro to the target button. On Bound the
// slot holds the macro (table and area), and the button's code text is
// 06 0s 21 or 0E 0s 21 after the macro's play mode; the caller stores the
// three code bytes in ProfileSection. On LeftKeyKept the code text is the
// Left Key's "010100".
BindResult LB_NameClick(ProfileCodeTexts& codes, const BindTarget& target, const MacroRecord& macro,
                        BaseMacroTable& table, std::span<uint8_t, kMacroAreaBytes> area,
                        const ButtonCaptions& captions);

}  // namespace veltrax
