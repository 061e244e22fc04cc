// Writing the pages, a default image or the built-in defaults to the mouse,
// with read-back verification, and the buttons that start them.

#include <vector>

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/ImageFlows.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

constexpr int kRepairPasses = 3;
constexpr int kButtonWaitPauses = 11;  // 110 ms
constexpr int kButtonWaitPauseMs = 10;

std::vector<uint16_t> Mismatches(const DeviceImage& wanted, const DeviceImage& readBack) {
  std::vector<uint16_t> addresses;
  for (int a = 0; a < kImageSize; ++a) {
    if (wanted[a] != readBack[a]) addresses.push_back(static_cast<uint16_t>(a));
  }
  return addresses;
}

}  // namespace

void ImageFlows::WaitWithMessages(int pauses, int pauseMs) {
  for (int i = 0; i < pauses; ++i) {
    sleeper_.SleepMs(pauseMs);
    host_.ProcessMessages();
  }
}

void ImageFlows::BeginFlow(bool lock) {
  host_.HideAllMenu();
  host_.EnableDevTimer(false);
  if (lock) LockPages();
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
}

void ImageFlows::EndFlow(bool unlock) {
  host_.HideLoadingWindow();
  host_.ProcessMessages();
  host_.EnableDevTimer(true);
  if (unlock) UnlockPages();
}

// The transaction around a write. Anything but a verified write is
// reported, also a mouse that refused the gate.
WriteOutcome ImageFlows::GateAndWrite() {
  const GateOutcome gate = link_.IdentityGate();
  WriteOutcome outcome = WriteOutcome::GateFailed;
  if (gate == GateOutcome::Passed) outcome = WriteAndVerify();
  if (NeedsTransactionEnd(gate)) link_.CloseTransaction();
  return outcome;
}

WriteOutcome ImageFlows::WriteAndVerify() {
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  const DeviceImage& image = state_.workingImage;
  DeviceImage readBack;
  if (!link_.WriteMemory(0, kImageSize, image).accepted) return WriteOutcome::Unverified;
  if (!link_.ReadMemory(0, kImageSize, readBack, kImageSize - 1).accepted) return WriteOutcome::Unverified;
  std::vector<uint16_t> mismatches = Mismatches(image, readBack);
  for (int pass = 0; pass < kRepairPasses && !mismatches.empty(); ++pass) {
    for (uint16_t address : mismatches) {
      if (!link_.WriteMemory(address, 1, std::span(image).subspan(address, 1)).accepted) {
        return WriteOutcome::Unverified;
      }
    }
    if (!link_.ReadMemory(0, kImageSize, readBack, kImageSize - 1).accepted) return WriteOutcome::Unverified;
    mismatches = Mismatches(image, readBack);
  }
  return mismatches.empty() ? WriteOutcome::Verified : WriteOutcome::Unverified;
}

WriteOutcome ImageFlows::DownloadParameter() {
  BeginFlow(true);
  PagesToWorkingImage(state_);
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  host_.ApplyPointerSettings();
  const WriteOutcome outcome = GateAndWrite();
  EndFlow(true);
  if (outcome != WriteOutcome::Verified) Say("Str109");
  return outcome;
}

WriteOutcome ImageFlows::DefaultParameter(int n) {
  BeginFlow(true);
  state_.workingImage = DefaultImage(n);
  host_.ClearMacroTexts();
  ImageToDataBuf(state_);
  host_.ReadAndRefreshMacro(state_);
  host_.ShowLoadingWindow();
  DataBufToUI(state_.dataBuf, state_.controls, host_);
  const WriteOutcome outcome = GateAndWrite();
  EndFlow(true);
  if (outcome != WriteOutcome::Verified) Say("Str109");
  return outcome;
}

// The gap bytes of the working image are written as they were.
WriteOutcome ImageFlows::TLDefaultParameter() {
  BeginFlow(false);
  for (std::string& text : state_.controls.codeTexts) text.clear();
  for (const Section& s : kParameterSections) {
    const std::vector<uint8_t> defaults = BuiltInDefaults(s);
    std::copy(defaults.begin(), defaults.end(), state_.dataBuf.Bytes(s).begin());
  }
  for (const Section& s : {kParameterASection, kProfileSection, kFireKeySection}) {
    StoreChecksum(state_.dataBuf.Bytes(s));
  }
  for (const Section& s : kParameterSections) CopySectionToImage(state_.dataBuf, s, state_.workingImage);
  state_.macroBuffer.fill(0x00);
  host_.ReadAndRefreshMacro(state_);
  CopyMacroBufferToImage(state_.macroBuffer, state_.workingImage);
  DataBufToUI(state_.dataBuf, state_.controls, host_);
  const WriteOutcome outcome = GateAndWrite();
  EndFlow(false);
  if (outcome != WriteOutcome::Verified) Say("Str109");
  return outcome;
}

bool ImageFlows::ButtonPrologue(std::string_view button, bool wait) {
  host_.ShowPressedLook(button);
  if (wait) WaitWithMessages(kButtonWaitPauses, kButtonWaitPauseMs);
  if (link_.IsOpen()) return true;
  Say("Str020");
  return false;
}

void ImageFlows::Btn_Read_0Click() {
  if (ButtonPrologue("Btn_Read", false)) ReadDevInfo();
}

void ImageFlows::Btn_Apply_0Click() {
  if (ButtonPrologue("Btn_Apply", true)) DownloadParameter();
}

void ImageFlows::Btn_Confirm_0Click() {
  if (!ButtonPrologue("Btn_Confirm", true)) return;
  DownloadParameter();
  WaitWithMessages(kButtonWaitPauses, kButtonWaitPauseMs);
  host_.CloseMainWindow();
}

void ImageFlows::Btn_Confirm1_1Click() {
  if (ButtonPrologue("Btn_Confirm1", true)) DefaultParameter1();
}

void ImageFlows::Btn_Confirm2_1Click() {
  if (ButtonPrologue("Btn_Confirm2", true)) DefaultParameter2();
}

void ImageFlows::Btn_Confirm3_1Click() {
  if (ButtonPrologue("Btn_Confirm3", true)) DefaultParameter3();
}

void ImageFlows::Btn_DefaultClick() {
  host_.ShowResultMark(false);
  WaitWithMessages(kButtonWaitPauses, kButtonWaitPauseMs);
  if (!link_.IsOpen()) return;
  TLDefaultParameter();
  host_.ShowResultMark(true);
}

}  // namespace veltrax
