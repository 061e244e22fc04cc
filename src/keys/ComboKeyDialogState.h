#pragma once
// What the combination key dialog ("Assembly Key") decides: the captured
// key, the ticked modifier boxes, the text field, and the type 02 code it
// hands back on Confirm. The dialog widget mirrors this state.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "keys/KeyFunctionCode.h"

namespace veltrax {

enum class ComboModifier { Ctrl = 0, Shift = 1, Alt = 2, Win = 3 };

// Which of Shift, Ctrl and Alt the keyboard holds down during a key press.
struct HeldModifiers {
  bool shift = false;
  bool ctrl = false;
  bool alt = false;
};

// What Confirm hands to the main window.
struct [[nodiscard]] ComboResult {
  std::string text;      // the text field, "Ctrl+Shift+A"
  std::string codeText;  // "020304"
};

// The usage of the key the dialog takes under the catalogue name keyName
// (in any letter case): an ordinary key with a usage. Shift, Ctrl, Alt and
// the Windows keys are no such key (the dialog swallows them; they are
// modifier boxes), nor is a name that no key gives or a key without usage.
std::optional<uint8_t> ComboKeyUsage(std::string_view keyName);

class ComboKeyDialogState {
 public:
  // A key press in the text field (virtual key vk).
  void KeyPress(int vk, HeldModifiers held);
  // The user ticks or unticks a modifier box.
  void SetModifier(ComboModifier modifier, bool ticked);
  // The modifier byte of the boxes (bit 0 Ctrl ... bit 3 Win), "02" before
  // it and the key's usage after it; the text field as it is. No validation:
  // nothing ticked and no key gives 020000 with an empty text.
  ComboResult Confirm() const;
  // Resets the key, the boxes and the text field; the dialog stays open.
  void Clear();

  const std::string& FieldText() const { return field_; }
  bool Ticked(ComboModifier modifier) const { return ticked_[static_cast<int>(modifier)]; }
  const std::string& KeyName() const { return keyName_; }
  uint8_t KeyUsage() const { return keyUsage_; }

 private:
  // The ticked modifiers' names in the order Ctrl, Shift, Alt, Win, joined by "+".
  std::string ModifierText() const;
  uint8_t ModifierByte() const;
  void Untick(const std::string& name);

  std::array<bool, 4> ticked_{};
  std::string field_;
  std::string keyName_;
  uint8_t keyUsage_ = 0;
  int captureCount_ = 0;  // 1 once a key has been taken
};

}  // namespace veltrax
