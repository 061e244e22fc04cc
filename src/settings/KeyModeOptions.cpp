#include "settings/KeyModeOptions.h"

#include "image/FieldTables.h"
#include "settings/EditRules.h"

namespace veltrax {
void ShowFireKeyEdits(const EngineerControls& c, FireKeyEdits& edits) {
  // The count byte + 1, whether or not the selector has an item for it.
  edits.shots = std::to_string(c.cb_FireCount.itemIndex + kMinShots);
  edits.interval = c.edt_FireTime.text;
}

bool ChooseShots(EngineerControls& c, FireKeyEdits& edits, int shots) {
  if (shots < kMinShots || shots > kMaxShots) return false;
  c.cb_FireCount.Select(shots - kMinShots);
  edits.shots = std::to_string(shots);
  return true;
}

void ShotsTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text) {
  edits.shots = CorrectShotsTyped(KeepDigits(text, kByteEditLength));
  const int shots = DigitValue(edits.shots);
  if (shots >= kMinShots) c.cb_FireCount.Select(shots - kMinShots);
}

void ShotsLeft(EngineerControls& c, FireKeyEdits& edits) {
  edits.shots = CorrectShotsLeft(edits.shots);
  c.cb_FireCount.Select(DigitValue(edits.shots) - kMinShots);
}

void FireTimeTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text) {
  c.edt_FireTime.text = CorrectFireTime(KeepDigits(text, kFireTimeLength));
  edits.interval = c.edt_FireTime.text;
}

void IntervalTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text) {
  edits.interval = CorrectByteText(KeepDigits(text, kByteEditLength));
  c.edt_FireTime.text = edits.interval;
}

int Shots(const EngineerControls& c) {
  return c.cb_FireCount.itemIndex >= 0 ? c.cb_FireCount.itemIndex + kMinShots : 0;
}

void ChooseKeyModeMemory(EngineerControls& c, bool save) {
  c.rb_Save.checked = save;
  c.rb_NoSave.checked = !save;
  if (!save) c.cb_KeyMode.Select(0);
  c.cb_KeyMode.enabled = save;
}

void ShowKeyModeMemory(EngineerControls& c) { c.cb_KeyMode.enabled = !c.rb_NoSave.checked; }

void ChooseKeyMode(EngineerControls& c, bool modeB) { c.cb_KeyMode.Select(modeB ? 1 : 0); }

bool ChooseSensorOrientation(EngineerControls& c, int item) {
  if (item < 0 || item >= static_cast<int>(kSensorCodeOfItem.size())) return false;
  c.cb_SensorOri.Select(item);
  return true;
}

}  // namespace veltrax
