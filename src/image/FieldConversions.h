#pragma once
// The conversions between DataBuf and the engineer controls, field by field:
// showing an image (DataBufToUI, RefreshUI) and taking the edited controls
// back (UIToDataBuf), plus the AIM key DPI that lives inside the AIM key
// button codes.

#include <span>
#include <string>

#include "image/EngineerControls.h"
#include "image/ImageLayout.h"
#include "image/PageViews.h"

namespace veltrax {

// Six upper-case hexadecimal digits of a button code, in byte order.
std::string CodeText(std::span<const uint8_t, kButtonCodeBytes> code);

// Rebuilds the 18 code texts from ProfileSection, then RefreshUI.
void DataBufToUI(const DataBuf& dataBuf, EngineerControls& controls, PageViews& views);
// Sets every control from DataBuf, then the page views. Never writes DataBuf.
void RefreshUI(const DataBuf& dataBuf, EngineerControls& controls, PageViews& views);

// Writes every edited field of ParameterASection, ParameterBSection and
// FireKeySection from the controls. Bits no control holds are kept; no
// checksum, ProfileSection or pass-through byte is touched.
void UIToDataBuf(const EngineerControls& controls, DataBuf& dataBuf);

// The AIM key buttons are those whose code has type 0x0A, in either profile.
// AIMKeyToDataBuf writes AimDpiIndex into each of them; TLRefreshAIMKey
// selects the cb_AIMKeyValue item of their DPI (the last one wins) and takes
// it as AimDpiIndex. With no AIM key button both leave everything as it is.
void AIMKeyToDataBuf(const EngineerControls& controls, DataBuf& dataBuf);
void TLRefreshAIMKey(const DataBuf& dataBuf, EngineerControls& controls);
bool HasAimKeyButton(const DataBuf& dataBuf);

// The MCU LED's current mode list from the modes offered: the caption of
// mode n ("Mode n") where cb_Mode n is checked, "------" where it is not,
// seven items whatever is offered (item index = mode - 1); item 0 is
// selected. Run when an image is shown and when the modes offered change.
void TLRefreshMCULEDMode(EngineerControls& controls);

// The level count chosen on cb_CPIStep: rebuilds cb_CurrentCPI as "1" to the
// count with the highest level current, shows the engineer controls of the
// enabled levels only, sets LevelCount, and tells the page views.
void cb_CPIStepChange(EngineerControls& controls, PageViews& views);

}  // namespace veltrax
