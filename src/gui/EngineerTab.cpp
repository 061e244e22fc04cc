#include "gui/EngineerTab.h"

#include "gui/EngineerForm.h"
#include "settings/EngineerOptions.h"
#include "settings/Lighting.h"

namespace veltrax::gui {

namespace {

// Rows of the engineer caption table.
constexpr int kFireFunction = 0x16;
constexpr int kFnLeftKey = 0x17;
constexpr int kLeftKey = 0x18;
constexpr int kVendorId = 0x2D;
constexpr int kProductId = 0x2E;
constexpr int kFirstMode = 0x32;
constexpr int kModeSelect = 0x64;

constexpr int kRowHeight = 22;

}  // namespace

void BuildEngineerTab(EngineerForm& form, QWidget* sheet) {
  QWidget* modes = form.Group(sheet, "gbMCULEDMode", {6, 6, 220, 206}, kModeSelect);
  for (int mode = 1; mode <= kLedModes; ++mode) {
    form.Check(
        modes, ("cb_Mode" + QByteArray::number(mode)).constData(), {12, 22 + 26 * (mode - 1), 196, 20},
        kFirstMode + mode - 1,
        [mode](const EngineerControls& c) -> const CheckBox& { return c.cb_Mode[mode - 1]; },
        [mode](EngineerControls& c, bool offered) { SetModeOffered(c, mode, offered); });
  }

  QWidget* fire = form.Group(sheet, "gbFireFn", {236, 6, 240, 46}, kFireFunction);
  form.Radio(fire, "rb_FireFnOn", {10, 20, 110, 20}, kFnLeftKey, Member(&EngineerControls::rb_FireFnOn),
             [](EngineerControls& c) { ChooseFireTrigger(c, true); });
  form.Radio(fire, "rb_FireFnOff", {122, 20, 110, 20}, kLeftKey, Member(&EngineerControls::rb_FireFnOff),
             [](EngineerControls& c) { ChooseFireTrigger(c, false); });

  // Read from the mouse when it was found; not edited here.
  form.LabelFor(form.NumberEdit(sheet, "edt_VendorID_Rd", {330, 62, 50, kRowHeight},
                                Member(&EngineerControls::edt_VendorID_Rd), 3, {}),
                "lbl_VendorID_Rd", {236, 62, 92, kRowHeight}, kVendorId);
  form.LabelFor(form.NumberEdit(sheet, "edt_ProductID_Rd", {330, 90, 50, kRowHeight},
                                Member(&EngineerControls::edt_ProductID_Rd), 3, {}),
                "lbl_ProductID_Rd", {236, 90, 92, kRowHeight}, kProductId);
}

}  // namespace veltrax::gui
