#include "settings/Lighting.h"

#include <string>

#include "image/FieldConversions.h"
#include "settings/EditRules.h"

namespace veltrax {
namespace {

struct PairButtons {
  RadioButton EngineerControls::*first;
  RadioButton EngineerControls::*second;
};

PairButtons ButtonsOf(OnOff pair) {
  switch (pair) {
    case OnOff::Lights: return {&EngineerControls::rb_LEDOn, &EngineerControls::rb_LEDOff};
    case OnOff::MiddleCpiSwitch: return {&EngineerControls::rb_MCPIOn, &EngineerControls::rb_MCPIOff};
    case OnOff::LeftCpiSwitch: return {&EngineerControls::rb_LCPIOn, &EngineerControls::rb_LCPIOff};
    case OnOff::Brightness: break;
  }
  return {&EngineerControls::rb_MCULED3Control, &EngineerControls::rb_MCULED6Control};
}

bool ValidLevel(int level) { return level >= 1 && level <= kDpiLevels; }
bool ValidMode(int mode) { return mode >= 1 && mode <= kLedModes; }

// The text of a number within its range; nothing otherwise.
std::optional<int> RangeValue(const std::string& text, int low, int high) {
  if (text.empty() || text.size() > 3) return std::nullopt;
  for (char ch : text) {
    if (ch < '0' || ch > '9') return std::nullopt;
  }
  const int value = DigitValue(text);
  if (value < low || value > high) return std::nullopt;
  return value;
}

void SetEdits(ColorEdits& edits, const RgbColor& color) {
  edits.r.text = std::to_string(color.r);
  edits.g.text = std::to_string(color.g);
  edits.b.text = std::to_string(color.b);
}

void DrawCountBar(const EngineerControls& c, LightBars& bars) {
  if (auto count = RangeValue(c.edt_MCULEDNum.text, kMinLedCount, kMaxLedCount)) {
    bars.countSegment = *count - kMinLedCount + 1;
  }
}

void DrawStepBar(const EngineerControls& c, LightBars& bars) {
  if (auto step = RangeValue(c.edt_MCULEDCrtStep.text, 0, kMaxSpeedStep)) bars.stepSegment = *step + 1;
}

}  // namespace

void ChooseSide(EngineerControls& c, OnOff pair, bool first) {
  const PairButtons buttons = ButtonsOf(pair);
  (c.*buttons.first).checked = first;
  (c.*buttons.second).checked = !first;
}

bool FirstSideChosen(const EngineerControls& c, OnOff pair) { return (c.*ButtonsOf(pair).first).checked; }

bool ShowsMcuLed(const EngineerControls& c) { return !c.rb_NorLED.checked; }

bool ModeOffered(const EngineerControls& c, int mode) { return ValidMode(mode) && c.cb_Mode[mode - 1].checked; }

void SetModeOffered(EngineerControls& c, int mode, bool offered) {
  if (!ValidMode(mode)) return;
  c.cb_Mode[mode - 1].checked = offered;
  TLRefreshMCULEDMode(c);
}

int CurrentMode(const EngineerControls& c) {
  const int index = c.cb_MCULEDCurrentMode.itemIndex;
  return index >= 0 && index < kLedModes ? index + 1 : 0;
}

bool ChooseCurrentMode(EngineerControls& c, int mode) {
  if (!ModeOffered(c, mode)) return false;
  c.cb_MCULEDCurrentMode.Select(mode - 1);
  return true;
}

void ShowLightBars(const EngineerControls& c, LightBars& bars) {
  DrawCountBar(c, bars);
  DrawStepBar(c, bars);
}

void LedCountTyped(EngineerControls& c, LightBars& bars, std::string_view text) {
  if (bars.barEditGuard) return;
  c.edt_MCULEDNum.text = CorrectLedCountTyped(KeepDigits(text, kLedCountLength));
  DrawCountBar(c, bars);
}

void LedCountLeft(EngineerControls& c, LightBars& bars) {
  c.edt_MCULEDNum.text = CorrectLedCountLeft(c.edt_MCULEDNum.text);
  DrawCountBar(c, bars);
}

void ClickLedCountSegment(EngineerControls& c, LightBars& bars, int segment) {
  if (segment < 1 || segment > kLedCountSegments) return;
  bars.barEditGuard = true;
  bars.countSegment = segment;
  c.edt_MCULEDNum.text = std::to_string(segment + kMinLedCount - 1);
  bars.barEditGuard = false;
}

void SpeedStepTyped(EngineerControls& c, LightBars& bars, std::string_view text) {
  if (bars.barEditGuard) return;
  c.edt_MCULEDCrtStep.text = CorrectSpeedStep(KeepDigits(text, kSpeedStepLength));
  DrawStepBar(c, bars);
}

void ClickSpeedSegment(EngineerControls& c, LightBars& bars, int segment) {
  if (segment < 1 || segment > kSpeedSegments) return;
  bars.barEditGuard = true;
  bars.stepSegment = segment;
  c.edt_MCULEDCrtStep.text = std::to_string(segment - 1);
  bars.barEditGuard = false;
}

void BreathingTyped(EngineerControls& c, std::string_view text) {
  c.edt_NorLEDStep.text = CorrectByteText(KeepDigits(text, kByteEditLength));
}

void ColorPartTyped(Edit& edit, std::string_view text) { edit.text = CorrectByteText(KeepDigits(text, kByteEditLength)); }

std::optional<RgbColor> EditsColor(const ColorEdits& edits) {
  const auto r = RangeValue(edits.r.text, 0, 255);
  const auto g = RangeValue(edits.g.text, 0, 255);
  const auto b = RangeValue(edits.b.text, 0, 255);
  if (!r || !g || !b) return std::nullopt;
  return RgbColor{static_cast<uint8_t>(*r), static_cast<uint8_t>(*g), static_cast<uint8_t>(*b)};
}

ColorEdits& KeyModeColorEdits(EngineerControls& c, int mode) { return mode == 2 ? c.edt_KeyMode2 : c.edt_KeyMode1; }

const ColorEdits& KeyModeColorEdits(const EngineerControls& c, int mode) {
  return mode == 2 ? c.edt_KeyMode2 : c.edt_KeyMode1;
}

ColorDialog LevelColorDialog(const EngineerControls& c, int level) {
  if (!ValidLevel(level) || level > c.LevelCount) return ColorDialog::None;
  if (c.LedType == "ZKLED") return ColorDialog::Named;
  if (c.LedType == "MCULED") return ColorDialog::System;
  return ColorDialog::None;
}

bool ChooseNamedColor(EngineerControls& c, int level, int index) {
  if (!ValidLevel(level) || !NamedColor(index)) return false;
  c.cb_CPIColor[level - 1].Select(index);
  return true;
}

void ChooseLevelRgb(EngineerControls& c, int level, const RgbColor& color) {
  if (ValidLevel(level)) SetEdits(c.edt_CPI[level - 1], color);
}

void ChooseKeyModeColor(EngineerControls& c, int mode, const RgbColor& color) {
  SetEdits(KeyModeColorEdits(c, mode), color);
}

std::optional<RgbColor> LevelSwatch(const EngineerControls& c, int level) {
  if (!ValidLevel(level)) return std::nullopt;
  if (c.LedType == "ZKLED") return NamedColor(c.cb_CPIColor[level - 1].itemIndex);
  if (c.LedType == "MCULED") return EditsColor(c.edt_CPI[level - 1]);
  return std::nullopt;
}

std::optional<RgbColor> KeyModeSwatch(const EngineerControls& c, int mode) {
  return EditsColor(KeyModeColorEdits(c, mode));
}

}  // namespace veltrax
