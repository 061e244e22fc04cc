#pragma once
// The state of the engineer page's controls, which hold every parameter
// between showing an image and writing it back. The window's widgets mirror
// this struct; the conversions to and from DataBuf work on it alone.
// Arrays stand for numbered controls: cb_CPI[0] is cb_CPI1.

#include <array>
#include <string>
#include <vector>

namespace veltrax {

struct RadioButton {
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

struct CheckBox {
  bool checked = false;
  bool enabled = true;
  bool visible = true;
};

// A drop-down list; itemIndex -1 means no item is selected.
struct Selector {
  std::vector<std::string> items;
  int itemIndex = -1;
  bool enabled = true;
  bool visible = true;

  // Selects item i, or nothing when i is outside the list.
  void Select(int i) { itemIndex = i >= 0 && i < static_cast<int>(items.size()) ? i : -1; }
};

struct Edit {
  std::string text;
  bool enabled = true;
  bool visible = true;
};

struct ColorEdits {
  Edit r, g, b;
};

constexpr int kDpiLevels = 7;

struct EngineerControls {
  EngineerControls();  // fills the fixed item lists

  // ParameterASection byte 0x000
  RadioButton rb_MCPIOn, rb_MCPIOff;
  RadioButton rb_FireFnOn, rb_FireFnOff;
  RadioButton rb_LCPIOn, rb_LCPIOff;
  RadioButton rb_Save, rb_NoSave;
  Selector cb_SensorOri;  // eight orientations, see kSensorCodeOfItem (FieldTables.h)
  RadioButton rb_NorLED, rb_MCULED;
  // 0x001
  CheckBox cb_MidPress, cb_CPIPress, cb_GunPress;
  // 0x002: items "2" to "7"
  Selector cb_CPIStep;
  // 0x003
  RadioButton rb_MCULED3Control, rb_MCULED6Control;
  Edit edt_MCULEDNum;
  // 0x004: cb_Mode[0] is cb_Mode1
  std::array<CheckBox, kDpiLevels> cb_Mode;
  // 0x005
  Edit edt_NorLEDStep;
  // 0x006..0x013: DPI values (eleven items) and colours (seven items) of the levels
  std::array<Selector, kDpiLevels> cb_CPI;
  std::array<Selector, kDpiLevels> cb_CPIColor;
  // 0x014..0x02E
  ColorEdits edt_KeyMode1, edt_KeyMode2;
  std::array<ColorEdits, kDpiLevels> edt_CPI;

  // ParameterBSection: 0x030, items "1" to the level count
  Selector cb_CurrentCPI;
  // LedModeByte 0x032
  RadioButton rb_NorLEDCPI;
  Selector cb_MCULEDCurrentMode;  // "Mode n" for an offered mode n, else "------"
  RadioButton rb_LEDOn, rb_LEDOff;
  Edit edt_MCULEDCrtStep;
  // 0x034: "Mode A", "Mode B"
  Selector cb_KeyMode;
  // 0x036, 0x037, and the identity bytes read from the mouse (read-only)
  Edit edt_VendorID, edt_ProductID;
  Edit edt_VendorID_Rd, edt_ProductID_Rd;

  // FireKeySection: shots "2" to "127", interval
  Selector cb_FireCount;
  Edit edt_FireTime;

  // AIM key DPI, eleven items
  Selector cb_AIMKeyValue;

  // State kept beside the controls and filled by the conversions.
  // The 18 code texts, six upper-case hexadecimal digits each:
  // codeTexts[0] is Mode A button 1, codeTexts[9] Mode B button 1.
  std::array<std::string, 18> codeTexts;
  std::string LedType;  // "ZKLED" (smart LED), "MCULED", or empty with no mouse
  int LevelCount = 0;
  int AimDpiIndex = 0;
};

}  // namespace veltrax
