// Identifying the mouse, reading its image, and the no-device state.

#include <algorithm>

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/ImageFlows.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

constexpr uint16_t kIdentityLength = 2;

// Reads the whole image. When a chunk got no answer, everything from that
// chunk on is read once more with a fresh address command, as the mouse's
// read position after a refused chunk cannot be trusted. False when an
// address command was refused or a chunk failed again.
bool ReadWholeImage(DeviceLink& link, DeviceImage& image) {
  return link.ReadMemoryChecked(0, kImageSize, image, DeviceLink::Loading::Shown).complete();
}

}  // namespace

ImageFlows::ImageFlows(DeviceLink& link, Sleeper& sleeper, FlowHost& host, const TextTable& texts)
    : link_(link), sleeper_(sleeper), host_(host), texts_(texts) {
  link_.SetHost(&host_);  // transfers show the loading window and keep the window painting
}

void ImageFlows::Say(std::string_view id, MessageStyle style) {
  host_.ShowMessage({std::string(id), texts_.Text(id), style});
}

void ImageFlows::LockPages() {
  pagesLocked_ = true;
  host_.LockPages();
}

void ImageFlows::UnlockPages() {
  pagesLocked_ = false;
  host_.UnlockPages();
}

void ImageFlows::ShowWorkingImage() {
  ImageToDataBuf(state_);
  host_.ReadAndRefreshMacro(state_);
  DataBufToUI(state_.dataBuf, state_.controls, host_);
}

void ImageFlows::InitNoDevice() {
  state_.workingImage = DefaultImage(1);
  host_.ClearMacroTexts();
  ShowWorkingImage();
}

void ImageFlows::RefreshErrorAP() {
  InitNoDevice();
  state_.noDevice = true;
  host_.ShowFirstPage();
  host_.ResetNavigationLook();
}

void ImageFlows::DeviceLost() {
  host_.HideAllMenu();
  RefreshErrorAP();
  host_.ClearLostDeviceTexts();
  state_.controls.LedType.clear();
  LockPages();
  host_.EnableDevTimer(true);
  host_.ShowMessage({"Str100", texts_.Text("Str100") + "\r\r" + texts_.Text("Str101"), MessageStyle::Dialog});
}

void ImageFlows::DeviceReady() {
  host_.ShowFirstPage();
  state_.noDevice = false;
  host_.RebuildMainPage();
  host_.ProcessMessages();
  UnlockPages();
}

void ImageFlows::LoseDevice() {
  DeviceLost();
  link_.DropDevice();
}

ReadOutcome ImageFlows::IdentifyAndRead() {
  const GateOutcome gate = link_.IdentityGate(DeviceLink::ModelReset::Clear);
  if (link_.Gone()) {
    LoseDevice();
    return ReadOutcome::Unplugged;
  }
  if (gate == GateOutcome::NoMarker) return ReadOutcome::NoMarker;
  if (!NeedsTransactionEnd(gate)) return ReadOutcome::NoAnswer;
  if (gate == GateOutcome::Rejected) {
    link_.CloseTransaction();
    link_.CloseHandle();
    Say("Str020", MessageStyle::SystemBox);
    host_.EnableDevTimer(true);
    return ReadOutcome::WrongModel;
  }
  // A failed identity read leaves 0xFF 0xFF, the default pair: it must not
  // pass for an accepted identity.
  std::array<uint8_t, kIdentityLength> identity{};
  if (!link_.ReadMemoryChecked(kIdentityAddress, kIdentityLength, identity, DeviceLink::Loading::Quiet).complete()) {
    link_.CloseTransaction();
    if (link_.Gone()) {
      LoseDevice();
      return ReadOutcome::Unplugged;
    }
    Say("Str109");
    return ReadOutcome::ReadFailed;
  }
  state_.controls.edt_VendorID_Rd.text = std::to_string(identity[0]);
  state_.controls.edt_ProductID_Rd.text = std::to_string(identity[1]);
  host_.IdentityShown(state_.controls);

  const DeviceImage& reference = DefaultImage(1);
  const bool asDefault = identity[0] == reference[kIdentityAddress] && identity[1] == reference[kIdentityAddress + 1];
  const bool asReserve = identity[0] == reserveIds_.first && identity[1] == reserveIds_.second;
  if (asDefault || asReserve) {
    if (Btn_Read()) return ReadOutcome::Read;
    return link_.Gone() ? ReadOutcome::Unplugged : ReadOutcome::ReadFailed;
  }

  host_.EnableDevTimer(false);
  link_.CloseTransaction();
  Say("Str107", MessageStyle::SystemBox);
  host_.EnableDevTimer(true);
  return ReadOutcome::IdentityRejected;
}

// A read that failed changes nothing that is shown or kept: the pages, the
// working image and DataBuf stay, and locked pages stay locked.
bool ImageFlows::Btn_Read() {
  const bool wasLocked = pagesLocked_;
  host_.EnableDevTimer(false);
  LockPages();
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  host_.RefreshPCMacroName();

  DeviceImage image;
  const bool read = ReadWholeImage(link_, image);
  if (read) {
    state_.workingImage = image;
    ImageToDataBuf(state_);
    host_.ReadAndRefreshMacro(state_);
  }
  link_.CloseTransaction();
  if (read) {
    DataBufToUI(state_.dataBuf, state_.controls, host_);
    host_.RefreshPointerSettings();
    DeviceReady();
  }
  host_.HideLoadingWindow();
  host_.ProcessMessages();
  host_.EnableDevTimer(true);
  if (read || !wasLocked) UnlockPages();
  if (!read && link_.Gone()) {
    LoseDevice();
  } else if (!read) {
    Say("Str109");
  }
  return read;
}

}  // namespace veltrax
