// Writing the pages, a default image or the built-in defaults to the mouse,
// with read-back verification, and the buttons that start them.

#include <algorithm>
#include <array>
#include <optional>
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

constexpr const char* kEndRefusedText =
    "The mouse did not confirm the end of the transfer; it may not have taken the image.";

// Reads the image back and gives the addresses where the mouse does not
// hold the wanted bytes. A byte that was not read back counts among them:
// the 0xFF its buffer was filled with proves nothing, least of all where
// the image itself holds 0xFF. Nothing when the read's address command was
// refused.
std::optional<std::vector<uint16_t>> ReadBackMismatches(DeviceLink& link, const DeviceImage& wanted) {
  DeviceImage readBack;
  const TransferResult read = link.ReadMemoryChecked(0, kImageSize, readBack, DeviceLink::Loading::Shown);
  if (!read.accepted) return std::nullopt;
  std::array<bool, kImageSize> unread{};
  for (int chunk : read.failedChunkIndexes) {
    const int from = chunk * kChunkBytes;
    std::fill(unread.begin() + from, unread.begin() + std::min(from + kChunkBytes, kImageSize), true);
  }
  std::vector<uint16_t> addresses;
  for (int a = 0; a < kImageSize; ++a) {
    if (unread[a] || wanted[a] != readBack[a]) addresses.push_back(static_cast<uint16_t>(a));
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
// reported, also a mouse that refused the gate. The mouse takes the image
// with the end of the transaction, so a write whose end was not
// acknowledged is not counted as done.
WriteOutcome ImageFlows::GateAndWrite() {
  const GateOutcome gate = link_.IdentityGate();
  WriteOutcome outcome = WriteOutcome::GateFailed;
  if (gate == GateOutcome::Passed) outcome = WriteAndVerify();
  if (NeedsTransactionEnd(gate) && !link_.CloseTransaction() && outcome == WriteOutcome::Verified) {
    outcome = WriteOutcome::EndRefused;
  }
  if (link_.Gone()) outcome = WriteOutcome::Unplugged;
  return lastWrite_ = outcome;
}

void ImageFlows::ReportWrite(WriteOutcome outcome) {
  switch (outcome) {
    case WriteOutcome::Verified:
    case WriteOutcome::NoDevice: return;
    case WriteOutcome::Unplugged: LoseDevice(); return;
    case WriteOutcome::EndRefused:
      host_.ShowMessage({"Str109", texts_.Text("Str109") + "\n" + kEndRefusedText, MessageStyle::Dialog});
      return;
    case WriteOutcome::GateFailed:
    case WriteOutcome::Unverified: Say("Str109"); return;
  }
}

WriteOutcome ImageFlows::WriteAndVerify() {
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  const DeviceImage& image = state_.workingImage;
  if (!link_.WriteMemory(0, kImageSize, image).accepted) return WriteOutcome::Unverified;
  std::optional<std::vector<uint16_t>> mismatches = ReadBackMismatches(link_, image);
  for (int pass = 0; pass < kRepairPasses && mismatches && !mismatches->empty(); ++pass) {
    for (uint16_t address : *mismatches) {
      if (!link_.WriteMemory(address, 1, std::span(image).subspan(address, 1)).accepted) {
        return WriteOutcome::Unverified;
      }
    }
    mismatches = ReadBackMismatches(link_, image);
  }
  return mismatches && mismatches->empty() ? WriteOutcome::Verified : WriteOutcome::Unverified;
}

WriteOutcome ImageFlows::DownloadParameter() {
  BeginFlow(true);
  PagesToWorkingImage(state_);
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  host_.ApplyPointerSettings();
  const WriteOutcome outcome = GateAndWrite();
  EndFlow(true);
  ReportWrite(outcome);
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
  ReportWrite(outcome);
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
  ReportWrite(outcome);
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
