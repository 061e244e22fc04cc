#pragma once
// Keys of the PC keyboard as the program's key catalogue knows them: Qt's
// key events turned into Windows virtual-key codes. Where Qt names only the
// character (shifted digits and punctuation), the key of the US layout that
// types it is meant; left and right modifier keys are told apart by the X11
// key symbol when the platform gives one.

#include <QKeyEvent>

namespace veltrax::gui {

// The virtual key of a Qt key. keypad: the key lies on the numeric pad;
// nativeKeySym: the platform's key symbol, 0 when unknown. 0 for a key the
// table does not know (the catalogue names it "None").
int VirtualKeyOf(int qtKey, bool keypad, quint32 nativeKeySym = 0);
int VirtualKeyOf(const QKeyEvent& event);

}  // namespace veltrax::gui
