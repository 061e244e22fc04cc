#pragma once
// Keys of the Linux input layer (the codes X servers add 8 to for their
// key codes) as the Windows virtual keys the recorder takes: each key's
// keyboard usage, then the key catalogue's row for that usage. Keys are
// told by their place on the keyboard, so a recorded key plays back as the
// same key. Plain look-ups, no system calls.

namespace veltrax::gui {

// The virtual key of a Linux key code; 0 for a key the catalogue lacks
// (its row is named "None").
int VirtualKeyOfLinuxKey(int code);

// X key codes are Linux key codes plus 8.
inline int LinuxKeyOfX11KeyCode(int keycode) { return keycode - 8; }

// The raw keyboard input the recorder was made for reports the generic
// Shift, Ctrl and Alt keys for either side: the sided keys fold into them.
int GenericVirtualKey(int vk);

}  // namespace veltrax::gui
