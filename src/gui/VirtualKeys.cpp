#include "gui/VirtualKeys.h"

#include <QHash>

namespace veltrax::gui {
namespace {

// X11 key symbols of the keys whose side the virtual key tells.
int SidedModifier(quint32 keySym) {
  switch (keySym) {
    case 0xFFE1: return 0xA0;  // Shift_L
    case 0xFFE2: return 0xA1;  // Shift_R
    case 0xFFE3: return 0xA2;  // Control_L
    case 0xFFE4: return 0xA3;  // Control_R
    case 0xFFE9: return 0xA4;  // Alt_L
    case 0xFFEA: return 0xA5;  // Alt_R
    case 0xFE03: return 0xA5;  // ISO_Level3_Shift (AltGr)
    case 0xFFEB: return 0x5B;  // Super_L
    case 0xFFEC: return 0x5C;  // Super_R
    default: return 0;
  }
}

int KeypadKey(int qtKey) {
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 0x60 + (qtKey - Qt::Key_0);
  switch (qtKey) {
    case Qt::Key_Asterisk: return 0x6A;
    case Qt::Key_Plus: return 0x6B;
    case Qt::Key_Comma: return 0x6C;
    case Qt::Key_Minus: return 0x6D;
    case Qt::Key_Period: return 0x6E;
    case Qt::Key_Slash: return 0x6F;
    default: return 0;
  }
}

const QHash<int, int>& KeyTable() {
  static const QHash<int, int> table{
      {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09}, {Qt::Key_Backtab, 0x09}, {Qt::Key_Clear, 0x0C},
      {Qt::Key_Return, 0x0D}, {Qt::Key_Enter, 0x0D}, {Qt::Key_Shift, 0x10}, {Qt::Key_Control, 0x11},
      {Qt::Key_Alt, 0x12}, {Qt::Key_AltGr, 0xA5}, {Qt::Key_Pause, 0x13}, {Qt::Key_CapsLock, 0x14},
      {Qt::Key_Escape, 0x1B}, {Qt::Key_Space, 0x20}, {Qt::Key_PageUp, 0x21}, {Qt::Key_PageDown, 0x22},
      {Qt::Key_End, 0x23}, {Qt::Key_Home, 0x24}, {Qt::Key_Left, 0x25}, {Qt::Key_Up, 0x26},
      {Qt::Key_Right, 0x27}, {Qt::Key_Down, 0x28}, {Qt::Key_Select, 0x29}, {Qt::Key_Print, 0x2C},
      {Qt::Key_Insert, 0x2D}, {Qt::Key_Delete, 0x2E}, {Qt::Key_Help, 0x2F}, {Qt::Key_Meta, 0x5B},
      {Qt::Key_Super_L, 0x5B}, {Qt::Key_Super_R, 0x5C}, {Qt::Key_Menu, 0x5D}, {Qt::Key_NumLock, 0x90},
      {Qt::Key_ScrollLock, 0x91}, {Qt::Key_Back, 0xA6}, {Qt::Key_Forward, 0xA7}, {Qt::Key_Refresh, 0xA8},
      {Qt::Key_Stop, 0xA9}, {Qt::Key_Search, 0xAA}, {Qt::Key_Favorites, 0xAB}, {Qt::Key_HomePage, 0xAC},
      {Qt::Key_VolumeMute, 0xAD}, {Qt::Key_VolumeDown, 0xAE}, {Qt::Key_VolumeUp, 0xAF},
      {Qt::Key_MediaNext, 0xB0}, {Qt::Key_MediaPrevious, 0xB1}, {Qt::Key_MediaStop, 0xB2},
      {Qt::Key_MediaPlay, 0xB3}, {Qt::Key_MediaTogglePlayPause, 0xB3}, {Qt::Key_MediaPause, 0xB3},
      {Qt::Key_LaunchMail, 0xB4}, {Qt::Key_LaunchMedia, 0xB5}, {Qt::Key_Launch0, 0xB6}, {Qt::Key_Launch1, 0xB7},
      // The punctuation keys of the US layout, unshifted and shifted.
      {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Colon, 0xBA}, {Qt::Key_Equal, 0xBB}, {Qt::Key_Plus, 0xBB},
      {Qt::Key_Comma, 0xBC}, {Qt::Key_Less, 0xBC}, {Qt::Key_Minus, 0xBD}, {Qt::Key_Underscore, 0xBD},
      {Qt::Key_Period, 0xBE}, {Qt::Key_Greater, 0xBE}, {Qt::Key_Slash, 0xBF}, {Qt::Key_Question, 0xBF},
      {Qt::Key_QuoteLeft, 0xC0}, {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
      {Qt::Key_BraceLeft, 0xDB}, {Qt::Key_Backslash, 0xDC}, {Qt::Key_Bar, 0xDC}, {Qt::Key_BracketRight, 0xDD},
      {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE}, {Qt::Key_QuoteDbl, 0xDE},
      // The shifted digits.
      {Qt::Key_ParenRight, 0x30}, {Qt::Key_Exclam, 0x31}, {Qt::Key_At, 0x32}, {Qt::Key_NumberSign, 0x33},
      {Qt::Key_Dollar, 0x34}, {Qt::Key_Percent, 0x35}, {Qt::Key_AsciiCircum, 0x36}, {Qt::Key_Ampersand, 0x37},
      {Qt::Key_Asterisk, 0x38}, {Qt::Key_ParenLeft, 0x39},
  };
  return table;
}

}  // namespace

int VirtualKeyOf(int qtKey, bool keypad, quint32 nativeKeySym) {
  if (int sided = SidedModifier(nativeKeySym)) return sided;
  if (keypad) {
    if (int pad = KeypadKey(qtKey)) return pad;
  }
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return 0x41 + (qtKey - Qt::Key_A);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return 0x30 + (qtKey - Qt::Key_0);
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return 0x70 + (qtKey - Qt::Key_F1);
  return KeyTable().value(qtKey, 0);
}

int VirtualKeyOf(const QKeyEvent& event) {
  return VirtualKeyOf(event.key(), event.modifiers().testFlag(Qt::KeypadModifier), event.nativeVirtualKey());
}

}  // namespace veltrax::gui
