#include "gui/OperatorTab.h"

#include "gui/EngineerForm.h"
#include "image/FieldTables.h"
#include "resources/EngineerCaptionTable.h"
#include "settings/DpiLevels.h"
#include "settings/EditRules.h"
#include "settings/EngineerOptions.h"

namespace veltrax::gui {

namespace {

// Rows of the engineer caption table.
enum Row : int {
  kTestKeys = 0x08,
  kLedType = 0x0F,
  kNorLed = 0x10,
  kMcuLed = 0x11,
  kLedStatus = 0x12,
  kOn = 0x13,
  kOff = 0x14,
  kMiddleCpi = 0x15,
  kFireMode = 0x19,
  kFireCount = 0x1A,
  kFireTime = 0x1B,
  kLeftCpi = 0x1C,
  kBrightness = 0x1D,
  kFullLight = 0x1E,
  kHalfLight = 0x1F,
  kNorLedMode = 0x20,
  kCpiBreath = 0x21,
  kBreathSetting = 0x22,
  kBreathStep = 0x23,
  kNorLedColors = 0x24,
  kFirstColor = 0x25,
  kMcuLedColors = 0x2C,
  kVendorId = 0x2D,
  kProductId = 0x2E,
  kMcuLedSetting = 0x2F,
  kLedNumber = 0x30,
  kCurrentMode = 0x31,
  kFirstMode = 0x32,
  kLedStep = 0x39,
  kKeyModeColors = 0x3A,
  kFirstKeyModeColor = 0x3B,
  kSwitchKeyMode = 0x41,
  kMiddlePress = 0x42,
  kCpiPress = 0x43,
  kSaveKeyMode = 0x45,
  kSave = 0x46,
  kNoSave = 0x47,
  kSensor = 0x48,
  kFirstSensor = 0x49,
  kCpi = 0x51,
  kCpiSteps = 0x52,
  kCurrentCpi = 0x53,
  kFirstCpi = 0x54,
  kAimKey = 0x5B,
  kKeyModeLabel = 0x5C,
  kModeA = 0x5D,
  kNotes = 0x8F,
};

constexpr int kRowPitch = 26;
constexpr int kRowHeight = 22;

int RowY(int i) { return 22 + kRowPitch * i; }
QRect Row(int x, int i, int width) { return {x, RowY(i), width, kRowHeight}; }

bool SmartLed(const EngineerControls& c) { return !ShowsMcuLed(c); }
bool McuLed(const EngineerControls& c) { return ShowsMcuLed(c); }

// A selector whose items are rows of the caption table from `first` on.
EngineerForm::ItemTexts RowItems(int first) {
  return [first](int index, const std::string& item, int column) {
    const auto text = EngineerCaption(first + index, column);
    return text ? QString::fromStdString(*text) : QString::fromStdString(item);
  };
}

// The current MCU LED mode list: the caption of an offered mode, "------"
// for the others.
QString ModeItem(int index, const std::string& item, int column) {
  if (item.rfind("Mode", 0) != 0) return QString::fromStdString(item);
  return RowItems(kFirstMode)(index, item, column);
}

// A radio pair in a group of its own: the first side checks `first`.
void RadioPair(EngineerForm& form, QWidget* group, const char* firstName, const char* secondName,
               std::pair<Caption, Caption> captions, PartOf<RadioButton> first, PartOf<RadioButton> second,
               std::function<void(EngineerControls&, bool)> choose) {
  form.Radio(group, firstName, {10, 20, 96, 20}, captions.first, std::move(first),
             [choose](EngineerControls& c) { choose(c, true); });
  form.Radio(group, secondName, {108, 20, 98, 20}, captions.second, std::move(second),
             [choose](EngineerControls& c) { choose(c, false); });
}

void ChooseOnOff(EngineerControls& c, OnOff pair, bool first) { ChooseSide(c, pair, first); }

void BuildDpiGroup(EngineerForm& form, QWidget* sheet) {
  QGroupBox* group = form.Group(sheet, "gbCPI", {6, 6, 380, 212}, kCpi);
  form.LabelFor(form.Combo(group, "cb_CPIStep", Row(90, 0, 84), Member(&EngineerControls::cb_CPIStep),
                           [](EngineerControls& c, int i) { ChooseLevelCount(c, i + kMinLevels); }),
                "lbl_CPIStep", Row(10, 0, 78), kCpiSteps);
  form.LabelFor(form.Combo(group, "cb_CurrentCPI", Row(90, 1, 84), Member(&EngineerControls::cb_CurrentCPI),
                           [](EngineerControls& c, int i) { ChooseCurrentLevel(c, i + 1); }),
                "lbl_CurrentCPI", Row(10, 1, 78), kCurrentCpi);
  form.LabelFor(form.Combo(group, "cb_AIMKeyValue", Row(90, 2, 84), Member(&EngineerControls::cb_AIMKeyValue),
                           [&form](EngineerControls& c, int i) {
                             if (ChooseAimDpi(c, form.State().dataBuf, i) == AimChoice::NoAimKey) {
                               form.Say(QString::fromLatin1(kNoAimKeyMessage.data(), kNoAimKeyMessage.size()));
                             }
                           }),
                "lbl_TLAIMKey", Row(10, 2, 78), kAimKey);
  form.LabelFor(form.Combo(group, "cb_KeyMode", Row(90, 3, 84), Member(&EngineerControls::cb_KeyMode),
                           [](EngineerControls& c, int i) { ChooseKeyMode(c, i == 1); }, RowItems(kModeA)),
                "lbl_KeyMode", Row(10, 3, 78), kKeyModeLabel);
  for (int n = 1; n <= kDpiLevels; ++n) {
    const QByteArray name = "cb_CPI" + QByteArray::number(n);
    QComboBox* value = form.Combo(
        group, name.constData(), Row(248, n - 1, 120),
        [n](const EngineerControls& c) -> const Selector& { return c.cb_CPI[n - 1]; },
        [n](EngineerControls& c, int i) { ChooseLevelValue(c, n, i); });
    form.LabelFor(value, ("lbl_CPI" + QByteArray::number(n)).constData(), Row(196, n - 1, 50), kFirstCpi + n - 1);
  }
}

void BuildKeyGroups(EngineerForm& form, QWidget* sheet, OperatorWidgets& tab) {
  for (int profile = 0; profile < 2; ++profile) {
    const QByteArray group = "gbKeyMode" + QByteArray::number(profile + 1);
    tab.keyGroups[profile] = form.Group(sheet, group.constData(), {6, 222 + 128 * profile, 380, 122}, kModeA + profile);
    for (int n = 1; n <= kButtonsPerProfile; ++n) {
      const QByteArray name = "btn_Key" + QByteArray::number(100 * (profile + 1) + n);
      const int col = (n - 1) % 3;
      const int row = (n - 1) / 3;
      tab.keys[profile * kButtonsPerProfile + n - 1] =
          form.Button(tab.keyGroups[profile], name.constData(), {8 + 122 * col, 20 + 32 * row, 118, 28}, QString());
    }
  }
}

void BuildSwitchGroups(EngineerForm& form, QWidget* sheet) {
  const int x = 392;
  const int w = 212;
  QWidget* type = form.Group(sheet, "gbLEDType", {x, 6, w, 46}, kLedType);
  RadioPair(form, type, "rb_NorLED", "rb_MCULED", {kNorLed, kMcuLed}, Member(&EngineerControls::rb_NorLED),
            Member(&EngineerControls::rb_MCULED), ChooseLedType);
  QWidget* status = form.Group(sheet, "gbLEDStatus", {x, 56, w, 46}, kLedStatus);
  RadioPair(form, status, "rb_LEDOn", "rb_LEDOff", {kOn, kOff}, Member(&EngineerControls::rb_LEDOn),
            Member(&EngineerControls::rb_LEDOff),
            [](EngineerControls& c, bool on) { ChooseOnOff(c, OnOff::Lights, on); });
  QWidget* middle = form.Group(sheet, "gbMCPI", {x, 106, w, 46}, kMiddleCpi);
  RadioPair(form, middle, "rb_MCPIOn", "rb_MCPIOff", {kOn, kOff}, Member(&EngineerControls::rb_MCPIOn),
            Member(&EngineerControls::rb_MCPIOff),
            [](EngineerControls& c, bool on) { ChooseOnOff(c, OnOff::MiddleCpiSwitch, on); });
  QWidget* left = form.Group(sheet, "gbLCPI", {x, 156, w, 46}, kLeftCpi);
  RadioPair(form, left, "rb_LCPIOn", "rb_LCPIOff", {kOn, kOff}, Member(&EngineerControls::rb_LCPIOn),
            Member(&EngineerControls::rb_LCPIOff),
            [](EngineerControls& c, bool on) { ChooseOnOff(c, OnOff::LeftCpiSwitch, on); });
  QWidget* brightness = form.Group(sheet, "gbMCULEDControlMode", {x, 206, w, 46}, kBrightness, McuLed);
  RadioPair(form, brightness, "rb_MCULED3Control", "rb_MCULED6Control", {kFullLight, kHalfLight},
            Member(&EngineerControls::rb_MCULED3Control), Member(&EngineerControls::rb_MCULED6Control),
            [](EngineerControls& c, bool full) { ChooseOnOff(c, OnOff::Brightness, full); });
  QWidget* memory = form.Group(sheet, "gbSaveKeyMode", {x, 256, w, 46}, kSaveKeyMode);
  RadioPair(form, memory, "rb_Save", "rb_NoSave", {kSave, kNoSave}, Member(&EngineerControls::rb_Save),
            Member(&EngineerControls::rb_NoSave), ChooseKeyModeMemory);

  QWidget* methods = form.Group(sheet, "gbSwitchFn", {x, 306, w, 70}, kSwitchKeyMode);
  form.Check(methods, "cb_MidPress", {10, 20, 196, 20}, kMiddlePress, Member(&EngineerControls::cb_MidPress),
             [](EngineerControls& c, bool on) { c.cb_MidPress.checked = on; });
  form.Check(methods, "cb_CPIPress", {10, 44, 196, 20}, kCpiPress, Member(&EngineerControls::cb_CPIPress),
             [](EngineerControls& c, bool on) { c.cb_CPIPress.checked = on; });
  // The gun key's long press has no control: its bit goes back as the
  // image had it.

  // Wide enough for the Chinese caption with its colon.
  form.LabelFor(form.Combo(sheet, "cb_SensorOri", {x + 84, 386, w - 84, kRowHeight},
                           Member(&EngineerControls::cb_SensorOri), ChooseSensorOrientation, RowItems(kFirstSensor)),
                "lbl_SensorOri", {x, 386, 82, kRowHeight}, kSensor);
  form.LabelFor(form.NumberEdit(sheet, "edt_VendorID", {x + 94, 416, 50, kRowHeight},
                                Member(&EngineerControls::edt_VendorID), static_cast<int>(kByteEditLength),
                                [](EngineerControls& c, std::string_view t) { IdentityCodeTyped(c.edt_VendorID, t); }),
                "lbl_VendorID", {x, 416, 92, kRowHeight}, kVendorId);
  form.LabelFor(
      form.NumberEdit(sheet, "edt_ProductID", {x + 94, 444, 50, kRowHeight}, Member(&EngineerControls::edt_ProductID),
                      static_cast<int>(kByteEditLength),
                      [](EngineerControls& c, std::string_view t) { IdentityCodeTyped(c.edt_ProductID, t); }),
      "lbl_ProductID", {x, 444, 92, kRowHeight}, kProductId);
}

void BuildSmartLedGroups(EngineerForm& form, QWidget* sheet, int x, int w) {
  // The smart LED's only mode; its frame takes the place of the MCU LED
  // settings, so it goes with the smart LED's other groups.
  QWidget* mode = form.Group(sheet, "gbNorLEDMode", {x, 6, w, 46}, kNorLedMode, SmartLed);
  form.Radio(mode, "rb_NorLEDCPI", {10, 20, w - 20, 20}, kCpiBreath, Member(&EngineerControls::rb_NorLEDCPI),
             [](EngineerControls& c) { c.rb_NorLEDCPI.checked = true; });
  QWidget* setting = form.Group(sheet, "gbNorLEDSetting", {x, 56, w, 46}, kBreathSetting, SmartLed);
  form.LabelFor(form.NumberEdit(setting, "edt_NorLEDStep", {112, 18, 50, kRowHeight},
                                Member(&EngineerControls::edt_NorLEDStep), static_cast<int>(kByteEditLength),
                                BreathingTyped),
                "lbl_NorLEDStep", {10, 18, 100, kRowHeight}, kBreathStep);
  QWidget* colors = form.Group(sheet, "gbNorLEDCPIColor", {x, 106, w, 212}, kNorLedColors, SmartLed);
  for (int n = 1; n <= kDpiLevels; ++n) {
    QComboBox* color = form.Combo(
        colors, ("cb_CPI" + QByteArray::number(n) + "Color").constData(), Row(62, n - 1, 120),
        [n](const EngineerControls& c) -> const Selector& { return c.cb_CPIColor[n - 1]; },
        [n](EngineerControls& c, int i) { ChooseNamedColor(c, n, i); }, RowItems(kFirstColor));
    form.LabelFor(color, ("lbl_CPI" + QByteArray::number(n) + "Color").constData(), Row(10, n - 1, 50),
                  kFirstCpi + n - 1);
  }
}

// The red, green and blue edits of one level's MCU LED colour in a row,
// each after its letter; returns the red one.
QLineEdit* ColorRow(EngineerForm& form, QWidget* parent, int level, int x, int y) {
  const QByteArray prefix = "CPI" + QByteArray::number(level);
  const std::pair<const char*, Edit ColorEdits::*> parts[] = {
      {"R", &ColorEdits::r}, {"G", &ColorEdits::g}, {"B", &ColorEdits::b}};
  QLineEdit* red = nullptr;
  for (int k = 0; k < 3; ++k) {
    const auto [letter, member] = parts[k];
    QLineEdit* edit = form.NumberEdit(
        parent, ("edt_" + prefix + letter).constData(), {x + 56 * k + 14, y, 40, kRowHeight},
        [level, member](const EngineerControls& c) -> const Edit& { return c.edt_CPI[level - 1].*member; },
        static_cast<int>(kByteEditLength),
        [level, member](EngineerControls& c, std::string_view t) { ColorPartTyped(c.edt_CPI[level - 1].*member, t); });
    form.LabelFor(edit, ("lbl_" + prefix + letter).constData(), {x + 56 * k, y, 14, kRowHeight}, letter);
    if (k == 0) red = edit;
  }
  return red;
}

void BuildMcuLedGroups(EngineerForm& form, QWidget* sheet, SharedEdits& shared, int x, int w) {
  QWidget* current = form.Group(sheet, "gbMCULEDCurrent", {x, 6, w, 96}, kMcuLedSetting, McuLed);
  form.LabelFor(form.NumberEdit(current, "edt_MCULEDNum", Row(112, 0, 50), Member(&EngineerControls::edt_MCULEDNum),
                                static_cast<int>(kLedCountLength),
                                [&shared](EngineerControls& c, std::string_view t) { LedCountTyped(c, shared.bars, t); },
                                [&shared](EngineerControls& c) { LedCountLeft(c, shared.bars); }),
                "lbl_MCULEDNum", Row(10, 0, 100), kLedNumber);
  form.LabelFor(form.Combo(current, "cb_MCULEDCurrentMode", Row(112, 1, 118),
                           Member(&EngineerControls::cb_MCULEDCurrentMode),
                           [](EngineerControls& c, int i) { ChooseCurrentMode(c, i + 1); }, ModeItem),
                "lbl_MCULEDCrtMode", Row(10, 1, 100), kCurrentMode);
  form.LabelFor(form.NumberEdit(current, "edt_MCULEDCrtStep", Row(112, 2, 50),
                                Member(&EngineerControls::edt_MCULEDCrtStep), static_cast<int>(kSpeedStepLength),
                                [&shared](EngineerControls& c, std::string_view t) { SpeedStepTyped(c, shared.bars, t); }),
                "lbl_MCULEDCrtStep", Row(10, 2, 100), kLedStep);

  QWidget* colors = form.Group(sheet, "gbMCULEDCPIColor", {x, 106, w, 212}, kMcuLedColors, McuLed);
  for (int n = 1; n <= kDpiLevels; ++n) {
    QLineEdit* red = ColorRow(form, colors, n, 62, RowY(n - 1));
    form.LabelFor(red, ("lbl_CPI" + QByteArray::number(n) + "RGB").constData(), Row(10, n - 1, 50),
                  kFirstCpi + n - 1);
  }
}

void BuildKeyModeColors(EngineerForm& form, QWidget* sheet, int x, int w) {
  QWidget* group = form.Group(sheet, "gbKeyModeColor", {x, 324, w, 100}, kKeyModeColors);
  for (int mode = 1; mode <= 2; ++mode) {
    // The key mode 1 colour is edited here for the smart LED only.
    QWidget* area = form.Area(group, ("pnl_KeyMode" + QByteArray::number(mode)).constData(),
                              {6 + 116 * (mode - 1), 18, 112, 80},
                              mode == 1 ? ControlsTest(SmartLed) : [](const EngineerControls&) { return true; });
    const char* parts[] = {"R", "G", "B"};
    for (int k = 0; k < 3; ++k) {
      const QByteArray name = "KeyMode" + QByteArray::number(mode) + parts[k];
      QLineEdit* edit = form.NumberEdit(
          area, ("edt_" + name).constData(), {64, kRowPitch * k, 42, kRowHeight},
          [mode, k](const EngineerControls& c) -> const Edit& {
            const ColorEdits& e = KeyModeColorEdits(c, mode);
            return k == 0 ? e.r : k == 1 ? e.g : e.b;
          },
          static_cast<int>(kByteEditLength),
          [mode, k](EngineerControls& c, std::string_view t) {
            ColorEdits& e = KeyModeColorEdits(c, mode);
            ColorPartTyped(k == 0 ? e.r : k == 1 ? e.g : e.b, t);
          });
      form.LabelFor(edit, ("lbl_" + name).constData(), {0, kRowPitch * k, 62, kRowHeight},
                    kFirstKeyModeColor + 3 * (mode - 1) + k);
    }
  }
}

void BuildFireAndNotes(EngineerForm& form, QWidget* sheet, SharedEdits& shared, OperatorWidgets& tab) {
  const int x = 856;
  const int w = 196;
  QWidget* fire = form.Group(sheet, "gbFireMode", {x, 6, w, 74}, kFireMode);
  form.LabelFor(form.Combo(fire, "cb_FireCount", {88, 20, 64, kRowHeight}, Member(&EngineerControls::cb_FireCount),
                           [&shared](EngineerControls& c, int i) { ChooseShots(c, shared.fireKey, i + kMinShots); }),
                "lbl_FireCount", {10, 20, 76, kRowHeight}, kFireCount);
  QLineEdit* time = form.NumberEdit(
      fire, "edt_FireTime", {88, 46, 44, kRowHeight}, Member(&EngineerControls::edt_FireTime),
      static_cast<int>(kFireTimeLength),
      [&shared](EngineerControls& c, std::string_view t) { FireTimeTyped(c, shared.fireKey, t); });
  form.LabelFor(time, "lbl_FireTime", {10, 46, 76, kRowHeight}, kFireTime);
  form.LabelFor(time, "lbl_FireTimeUnit", {136, 46, 56, kRowHeight}, "(*8ms)");

  tab.testKeys = form.Button(sheet, "btn_TestKeys", {x, 90, w, 30}, kTestKeys);
  form.Label(sheet, "lbl_Notes", {x, 130, w, 20}, kNotes);
  tab.notes = form.Label(sheet, "lbl_NotesText", {x, 150, w, 200}, QString());
  tab.notes->setWordWrap(true);
  tab.notes->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

}  // namespace

OperatorWidgets BuildOperatorTab(EngineerForm& form, QWidget* sheet, SharedEdits& shared) {
  OperatorWidgets tab;
  BuildDpiGroup(form, sheet);
  BuildKeyGroups(form, sheet, tab);
  BuildSwitchGroups(form, sheet);
  BuildSmartLedGroups(form, sheet, 610, 240);
  BuildMcuLedGroups(form, sheet, shared, 610, 240);
  BuildKeyModeColors(form, sheet, 610, 240);
  BuildFireAndNotes(form, sheet, shared, tab);
  return tab;
}

}  // namespace veltrax::gui
