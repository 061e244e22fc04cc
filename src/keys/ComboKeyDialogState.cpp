#include "keys/ComboKeyDialogState.h"

#include "base/AsciiCase.h"
#include "keys/KeyCatalogue.h"

namespace veltrax {
namespace {

constexpr std::array<const char*, 4> kModifierNames{"Ctrl", "Shift", "Alt", "Win"};

bool IsWindowsKey(int vk) { return vk == 0x5B || vk == 0x5C; }

// Shift, Ctrl, Alt and their left and right keys: pressing one holds it.
bool IsHeldModifierKey(int vk) { return (vk >= 0x10 && vk <= 0x12) || (vk >= 0xA0 && vk <= 0xA5); }

bool IsSwallowed(int vk) { return IsWindowsKey(vk) || IsHeldModifierKey(vk); }

}  // namespace

std::optional<uint8_t> ComboKeyUsage(std::string_view keyName) {
  const std::string wanted = UpperAscii(keyName);
  for (int vk = 0; vk < 256; ++vk) {
    if (IsSwallowed(vk) || UsageOfVirtualKey(vk) == 0) continue;
    if (UpperAscii(KeyNameOfVirtualKey(vk)) == wanted) return UsageOfVirtualKey(vk);
  }
  return std::nullopt;
}

void ComboKeyDialogState::KeyPress(int vk, HeldModifiers held) {
  if (captureCount_ == 1) {
    keyName_.clear();
    keyUsage_ = 0;
    field_ = ModifierText();
    captureCount_ = 0;
  }
  // The Win modifier comes only from its box; held Shift, Ctrl or Alt would
  // make the key a different one.
  if (IsSwallowed(vk) || held.shift || held.ctrl || held.alt) return;
  keyName_ = KeyNameOfVirtualKey(vk);
  field_ = field_.empty() ? keyName_ : field_ + "+" + keyName_;
  keyUsage_ = UsageOfVirtualKey(vk);
  captureCount_ = 1;
}

void ComboKeyDialogState::SetModifier(ComboModifier modifier, bool ticked) {
  ticked_[static_cast<int>(modifier)] = ticked;
  if (ticked) {
    field_ = ModifierText();
    if (captureCount_ == 1) field_ += "+" + keyName_;
  } else {
    Untick(kModifierNames[static_cast<int>(modifier)]);
  }
}

// Takes the modifier's word out of the text field, with its plus sign.
void ComboKeyDialogState::Untick(const std::string& name) {
  if (field_.empty()) return;
  if (field_.starts_with(name)) {
    if (field_ == name) {
      field_.clear();
    } else if (auto at = field_.find(name + "+"); at != std::string::npos) {
      field_.erase(at, name.size() + 1);
    }
  } else if (auto at = field_.find("+" + name); at != std::string::npos) {
    field_.erase(at, name.size() + 1);
  }
}

ComboResult ComboKeyDialogState::Confirm() const {
  return {field_, CodeText({key_type::kCombination, ModifierByte(), keyUsage_})};
}

void ComboKeyDialogState::Clear() { *this = ComboKeyDialogState(); }

std::string ComboKeyDialogState::ModifierText() const {
  std::string text;
  for (int i = 0; i < 4; ++i) {
    if (!ticked_[i]) continue;
    if (!text.empty()) text += "+";
    text += kModifierNames[i];
  }
  return text;
}

uint8_t ComboKeyDialogState::ModifierByte() const {
  uint8_t byte = 0;
  for (int i = 0; i < 4; ++i) {
    if (ticked_[i]) byte = static_cast<uint8_t>(byte | (1 << i));
  }
  return byte;
}

}  // namespace veltrax
