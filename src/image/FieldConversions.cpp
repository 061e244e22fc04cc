#include "image/FieldConversions.h"

#include <charconv>
#include <optional>
#include <type_traits>

#include "base/HexText.h"
#include "image/FieldTables.h"

namespace veltrax {
namespace {

constexpr uint16_t kModeBits = 0x000, kPressBits = 0x001, kLevelCount = 0x002, kLedCount = 0x003,
                   kModeMask = 0x004, kBreathRate = 0x005, kLevelValues = 0x006, kLevelColors = 0x00D,
                   kKeyMode1Color = 0x014, kCurrentLevel = 0x030, kLedModeByte = 0x032, kKeyMode = 0x034,
                   kVendorCode = kIdentityAddress, kProductCode = kIdentityAddress + 1, kRepeatCount = 0x0F2, kShotInterval = 0x0F8;

uint8_t WithBit(uint8_t byte, int bit, bool set) {
  return static_cast<uint8_t>(set ? byte | (1U << bit) : byte & ~(1U << bit));
}
bool Bit(uint8_t byte, int bit) { return (byte >> bit) & 1U; }

// A radio pair of one bit: the first button stands for firstValue.
struct BitPair {
  RadioButton EngineerControls::*first;
  RadioButton EngineerControls::*second;
  int bit;
  bool firstValue;
};
constexpr std::array<BitPair, 5> kModeBitPairs{{
    {&EngineerControls::rb_MCPIOn, &EngineerControls::rb_MCPIOff, 0, true},
    {&EngineerControls::rb_FireFnOn, &EngineerControls::rb_FireFnOff, 1, true},
    {&EngineerControls::rb_LCPIOn, &EngineerControls::rb_LCPIOff, 2, true},
    {&EngineerControls::rb_Save, &EngineerControls::rb_NoSave, 3, false},
    {&EngineerControls::rb_NorLED, &EngineerControls::rb_MCULED, 7, true},
}};
constexpr BitPair kBrightnessPair{&EngineerControls::rb_MCULED3Control, &EngineerControls::rb_MCULED6Control, 3,
                                  true};

uint8_t TakePair(const EngineerControls& c, const BitPair& p, uint8_t byte) {
  if ((c.*p.first).checked) return WithBit(byte, p.bit, p.firstValue);
  if ((c.*p.second).checked) return WithBit(byte, p.bit, !p.firstValue);
  return byte;  // neither checked: kept
}

void ShowPair(EngineerControls& c, const BitPair& p, uint8_t byte) {
  const bool first = Bit(byte, p.bit) == p.firstValue;
  (c.*p.first).checked = first;
  (c.*p.second).checked = !first;
}

std::optional<int> IntegerOf(const std::string& text) {
  int value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

// An edit's integer value in 8 bits; a text that is no number keeps the byte.
uint8_t EditByte(const Edit& edit, uint8_t kept) {
  const std::optional<int> value = IntegerOf(edit.text);
  return value ? static_cast<uint8_t>(*value & 0xFF) : kept;
}

// A selector's item index in 8 bits: no selection gives 0xFF.
uint8_t IndexByte(const Selector& s) { return static_cast<uint8_t>(s.itemIndex & 0xFF); }

// The 27 colour edits in field order: key mode 1, key mode 2, levels 1 to 7.
template <class Controls>
auto ColorEditsInOrder(Controls& c) {
  using EditType = std::conditional_t<std::is_const_v<Controls>, const Edit, Edit>;
  std::array<EditType*, 27> edits{};
  int i = 0;
  auto add = [&](auto& e) {
    edits[i++] = &e.r;
    edits[i++] = &e.g;
    edits[i++] = &e.b;
  };
  add(c.edt_KeyMode1);
  add(c.edt_KeyMode2);
  for (auto& e : c.edt_CPI) add(e);
  return edits;
}

template <class F>
void ForEachAimKeyButton(const DataBuf& dataBuf, F&& visit) {
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int n = 1; n <= kButtonsPerProfile; ++n) {
      if (dataBuf.ButtonCode(profile, n)[0] == kAimKeyType) visit(profile, n);
    }
  }
}

void SetLevelShown(EngineerControls& c, int level, bool shown) {
  c.cb_CPI[level - 1].visible = shown;
  c.cb_CPIColor[level - 1].visible = shown;
  c.edt_CPI[level - 1].r.visible = shown;
  c.edt_CPI[level - 1].g.visible = shown;
  c.edt_CPI[level - 1].b.visible = shown;
}

// Step by step as the field table orders them.
void UIToParameterA(const EngineerControls& c, DataBuf& buf) {
  uint8_t modeBits = buf.At(kModeBits);
  for (const BitPair& p : kModeBitPairs) modeBits = TakePair(c, p, modeBits);
  if (c.cb_SensorOri.itemIndex >= 0 && c.cb_SensorOri.itemIndex < static_cast<int>(kSensorCodeOfItem.size())) {
    modeBits = static_cast<uint8_t>((modeBits & 0x8F) | (kSensorCodeOfItem[c.cb_SensorOri.itemIndex] << 4));
  }
  buf.At(kModeBits) = modeBits;

  uint8_t press = buf.At(kPressBits);
  press = WithBit(press, 0, c.cb_MidPress.checked);
  press = WithBit(press, 1, c.cb_CPIPress.checked);
  buf.At(kPressBits) = WithBit(press, 2, c.cb_GunPress.checked);

  buf.At(kLevelCount) = static_cast<uint8_t>(c.cb_CPIStep.itemIndex + 2);

  uint8_t ledCount = TakePair(c, kBrightnessPair, buf.At(kLedCount));
  const std::optional<int> leds = IntegerOf(c.edt_MCULEDNum.text);
  if (leds && *leds >= 4 && *leds <= 13) ledCount = static_cast<uint8_t>((ledCount & 0x0F) | ((13 - *leds) << 4));
  buf.At(kLedCount) = ledCount;

  if (c.rb_NorLED.checked) {
    buf.At(kModeMask) = 0xFF;
  } else if (c.rb_MCULED.checked) {
    uint8_t mask = 0x01;
    for (int n = 1; n <= kDpiLevels; ++n) mask = WithBit(mask, n, c.cb_Mode[n - 1].checked);
    buf.At(kModeMask) = mask;
  }

  buf.At(kBreathRate) = EditByte(c.edt_NorLEDStep, buf.At(kBreathRate));
  for (int i = 0; i < kDpiLevels; ++i) {
    buf.At(static_cast<uint16_t>(kLevelValues + i)) = IndexByte(c.cb_CPI[i]);
    buf.At(static_cast<uint16_t>(kLevelColors + i)) = IndexByte(c.cb_CPIColor[i]);
  }
  const auto edits = ColorEditsInOrder(c);
  for (int i = 0; i < 27; ++i) {
    uint8_t& byte = buf.At(static_cast<uint16_t>(kKeyMode1Color + i));
    byte = EditByte(*edits[i], byte);
  }
}

uint8_t LedModeByteOf(const EngineerControls& c) {
  uint8_t led = 0;
  if (c.rb_NorLED.checked) {
    if (c.rb_NorLEDCPI.checked) led = 1;
  } else if (c.rb_MCULED.checked) {
    led = static_cast<uint8_t>((c.cb_MCULEDCurrentMode.itemIndex + 1) & 0x07);
    const std::optional<int> step = IntegerOf(c.edt_MCULEDCrtStep.text);
    if (step && *step >= 0 && *step <= 7) led = static_cast<uint8_t>(led | (*step << 5));
  }
  if (c.rb_LEDOn.checked) {
    led = WithBit(led, 3, false);
  } else if (c.rb_LEDOff.checked) {
    led = WithBit(led, 3, true);
  }
  return led;
}

void UIToParameterB(const EngineerControls& c, DataBuf& buf) {
  auto pair = [&](uint16_t address, uint8_t value) {
    buf.At(address) = value;
    buf.At(static_cast<uint16_t>(address + 1)) = static_cast<uint8_t>(0xFF - value);
  };
  pair(kCurrentLevel, IndexByte(c.cb_CurrentCPI));
  pair(kLedModeByte, LedModeByteOf(c));
  pair(kKeyMode, c.cb_KeyMode.itemIndex == 1 ? 0x80 : 0x00);
  buf.At(kVendorCode) = EditByte(c.edt_VendorID, buf.At(kVendorCode));
  buf.At(kProductCode) = EditByte(c.edt_ProductID, buf.At(kProductCode));
}

void ShowParameterA(const DataBuf& buf, EngineerControls& c, PageViews& views) {
  const uint8_t modeBits = buf.At(kModeBits);
  for (const BitPair& p : kModeBitPairs) ShowPair(c, p, modeBits);
  c.cb_SensorOri.Select(SensorItemOfCode((modeBits >> 4) & 0x07));
  c.LedType = Bit(modeBits, 7) ? "ZKLED" : "MCULED";

  const uint8_t press = buf.At(kPressBits);
  c.cb_MidPress.checked = Bit(press, 0);
  c.cb_CPIPress.checked = Bit(press, 1);
  c.cb_GunPress.checked = Bit(press, 2);

  c.cb_CPIStep.Select(buf.At(kLevelCount) - 2);
  cb_CPIStepChange(c, views);

  const uint8_t ledCount = buf.At(kLedCount);
  ShowPair(c, kBrightnessPair, ledCount);
  if ((ledCount >> 4) <= 9) c.edt_MCULEDNum.text = std::to_string(13 - (ledCount >> 4));

  const uint8_t mask = buf.At(kModeMask);
  for (int n = 1; n <= kDpiLevels; ++n) c.cb_Mode[n - 1].checked = Bit(mask, n);
  TLRefreshMCULEDMode(c);
  views.LedModesChanged(c);

  c.edt_NorLEDStep.text = std::to_string(buf.At(kBreathRate));
  for (int i = 0; i < kDpiLevels; ++i) {
    c.cb_CPI[i].Select(buf.At(static_cast<uint16_t>(kLevelValues + i)));
    c.cb_CPIColor[i].Select(buf.At(static_cast<uint16_t>(kLevelColors + i)));
  }
  const auto edits = ColorEditsInOrder(c);
  for (int i = 0; i < 27; ++i) edits[i]->text = std::to_string(buf.At(static_cast<uint16_t>(kKeyMode1Color + i)));
}

void ShowParameterB(const DataBuf& buf, EngineerControls& c) {
  c.cb_CurrentCPI.Select(buf.At(kCurrentLevel));
  const uint8_t led = buf.At(kLedModeByte);
  if (c.LedType == "ZKLED") {
    c.rb_NorLEDCPI.checked = (led & 0x07) == 1;
  } else {
    c.cb_MCULEDCurrentMode.Select((led & 0x07) - 1);
    c.edt_MCULEDCrtStep.text = std::to_string(led >> 5);
  }
  c.rb_LEDOn.checked = !Bit(led, 3);
  c.rb_LEDOff.checked = Bit(led, 3);
  c.cb_KeyMode.Select(Bit(buf.At(kKeyMode), 7) ? 1 : 0);
  c.edt_VendorID.text = std::to_string(buf.At(kVendorCode));
  c.edt_ProductID.text = std::to_string(buf.At(kProductCode));
}

}  // namespace

std::string CodeText(std::span<const uint8_t, kButtonCodeBytes> code) {
  return HexByte(code[0]) + HexByte(code[1]) + HexByte(code[2]);
}

void DataBufToUI(const DataBuf& dataBuf, EngineerControls& controls, PageViews& views) {
  for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
    for (int n = 1; n <= kButtonsPerProfile; ++n) {
      controls.codeTexts[static_cast<int>(profile) * kButtonsPerProfile + n - 1] =
          CodeText(dataBuf.ButtonCode(profile, n));
    }
  }
  RefreshUI(dataBuf, controls, views);
}

void RefreshUI(const DataBuf& dataBuf, EngineerControls& controls, PageViews& views) {
  ShowParameterA(dataBuf, controls, views);
  ShowParameterB(dataBuf, controls);
  TLRefreshAIMKey(dataBuf, controls);
  views.ButtonCaptionsChanged(controls);
  controls.cb_FireCount.Select(dataBuf.At(kRepeatCount) - 1);
  controls.edt_FireTime.text = std::to_string(dataBuf.At(kShotInterval));
  views.RefreshPageViews(dataBuf, controls);
}

void UIToDataBuf(const EngineerControls& controls, DataBuf& dataBuf) {
  UIToParameterA(controls, dataBuf);
  UIToParameterB(controls, dataBuf);
  dataBuf.At(kRepeatCount) = static_cast<uint8_t>(controls.cb_FireCount.itemIndex + 1);
  dataBuf.At(kShotInterval) = EditByte(controls.edt_FireTime, dataBuf.At(kShotInterval));
}

void AIMKeyToDataBuf(const EngineerControls& controls, DataBuf& dataBuf) {
  ForEachAimKeyButton(dataBuf, [&](KeyProfile profile, int n) {
    std::span<uint8_t, kButtonCodeBytes> code = dataBuf.ButtonCode(profile, n);
    code[0] = kAimKeyType;
    code[1] = static_cast<uint8_t>(controls.AimDpiIndex);
    code[2] = 0x00;
  });
}

void TLRefreshAIMKey(const DataBuf& dataBuf, EngineerControls& controls) {
  ForEachAimKeyButton(dataBuf, [&](KeyProfile profile, int n) {
    const uint8_t dpiIndex = dataBuf.ButtonCode(profile, n)[1];
    controls.cb_AIMKeyValue.Select(dpiIndex);
    controls.AimDpiIndex = dpiIndex;
  });
}

bool HasAimKeyButton(const DataBuf& dataBuf) {
  bool found = false;
  ForEachAimKeyButton(dataBuf, [&](KeyProfile, int) { found = true; });
  return found;
}

void TLRefreshMCULEDMode(EngineerControls& controls) {
  controls.cb_MCULEDCurrentMode.items.clear();
  for (int mode = 1; mode <= kDpiLevels; ++mode) {
    controls.cb_MCULEDCurrentMode.items.push_back(controls.cb_Mode[mode - 1].checked ? "Mode " + std::to_string(mode)
                                                                                      : "------");
  }
  controls.cb_MCULEDCurrentMode.Select(0);
}

void cb_CPIStepChange(EngineerControls& controls, PageViews& views) {
  if (controls.cb_CPIStep.itemIndex < 0) {
    controls.LevelCount = 1;
    views.LevelCountChanged(controls);
    return;
  }
  const int count = controls.cb_CPIStep.itemIndex + kMinLevels;
  controls.cb_CurrentCPI.items.clear();
  for (int level = 1; level <= count; ++level) controls.cb_CurrentCPI.items.push_back(std::to_string(level));
  controls.cb_CurrentCPI.Select(count - 1);
  for (int level = 3; level <= kDpiLevels; ++level) SetLevelShown(controls, level, level <= count);
  controls.LevelCount = count;
  views.LevelCountChanged(controls);
}

}  // namespace veltrax
