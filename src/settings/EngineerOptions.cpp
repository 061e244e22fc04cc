#include "settings/EngineerOptions.h"

#include "settings/EditRules.h"

namespace veltrax {

void ChooseLedType(EngineerControls& c, bool smartLed) {
  c.rb_NorLED.checked = smartLed;
  c.rb_MCULED.checked = !smartLed;
}

void ChooseFireTrigger(EngineerControls& c, bool fnLeftKey) {
  c.rb_FireFnOn.checked = fnLeftKey;
  c.rb_FireFnOff.checked = !fnLeftKey;
}

void IdentityCodeTyped(Edit& edit, std::string_view text) {
  edit.text = CorrectIdentityCode(KeepDigits(text, kByteEditLength));
}

void ApplyEngineerAccess(EngineerControls& c, bool unlocked) {
  c.rb_NorLED.enabled = unlocked;
  c.rb_MCULED.enabled = unlocked;
  c.cb_SensorOri.enabled = unlocked;
}

}  // namespace veltrax
