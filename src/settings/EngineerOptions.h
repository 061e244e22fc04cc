#pragma once
// The settings only the engineer page edits: the LED type (fixed by the
// mouse's hardware; open to change while engineer access is unlocked), the
// fire function's trigger, and the vendor and product codes.

#include <string_view>

#include "image/EngineerControls.h"

namespace veltrax {

// rb_NorLED (smart LED) or rb_MCULED. The type-dependent controls follow
// the checked button; no value changes.
void ChooseLedType(EngineerControls& c, bool smartLed);
// rb_FireFnOn ("Fn+Left Key") or rb_FireFnOff ("Left Key").
void ChooseFireTrigger(EngineerControls& c, bool fnLeftKey);
// edt_VendorID and edt_ProductID typed: digits only, empty or above 255
// becomes "255", the generic code.
void IdentityCodeTyped(Edit& edit, std::string_view text);

// The controls engineer access opens: the LED type choice and the sensor
// orientation.
void ApplyEngineerAccess(EngineerControls& c, bool unlocked);

}  // namespace veltrax
