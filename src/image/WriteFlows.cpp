// Writing the pages, a default image or the built-in defaults to the mouse,
// with read-back verification.

#include <vector>

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/ImageFlows.h"
#include "image/SectionChecks.h"

namespace veltrax {

bool ImageFlows::DownloadParameter() { return Begin([this] { return DownloadJob(); }); }

bool ImageFlows::DefaultParameter(int n) { return Begin([this, n] { return DefaultJob(n); }); }

bool ImageFlows::TLDefaultParameter() { return Begin([this] { return TLDefaultJob(); }); }

namespace {

constexpr const char* kEndRefusedText =
    "The mouse did not confirm the end of the transfer; it may not have taken the image.";

}  // namespace

ImageFlows::Next ImageFlows::WriteJob(bool unlock) {
  auto outcome = std::make_shared<WriteOutcome>(WriteOutcome::GateFailed);
  return MakeDeviceJob(
      [outcome, image = state_.workingImage](DeviceWork& work) { *outcome = GateAndWrite(work.link, image); },
      [this, outcome, unlock]() -> Next {
        result_.write = *outcome;
        if (unlock) UnlockPages();
        ReportWrite(*outcome);
        return nullptr;
      });
}

void ImageFlows::ReportWrite(WriteOutcome outcome) {
  switch (outcome) {
    case WriteOutcome::Verified:
    case WriteOutcome::NoDevice: return;
    case WriteOutcome::Unplugged: DeviceLost(); return;
    case WriteOutcome::EndRefused:
      dialogs_.ShowMessage({"Str109", texts_.Text("Str109") + "\n" + kEndRefusedText, MessageStyle::Dialog});
      return;
    case WriteOutcome::GateFailed:
    case WriteOutcome::WriteRefused:
    case WriteOutcome::Unverified: Say("Str109"); return;
  }
}

ImageFlows::Next ImageFlows::DownloadJob() {
  pages_.HideMenus();
  LockPages();
  pages_.Contribute(state_);
  PagesToWorkingImage(state_);
  return WriteJob(true);
}

// The image written is default image n as loaded: the checks repair only
// DataBuf.
ImageFlows::Next ImageFlows::DefaultJob(int n) {
  pages_.HideMenus();
  LockPages();
  state_.workingImage = DefaultImage(n);
  ShowWorkingImage(PagesChange::Restored);
  return WriteJob(true);
}

// The gap bytes of the working image are written as they were; the pages
// are not locked.
ImageFlows::Next ImageFlows::TLDefaultJob() {
  pages_.HideMenus();
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
  CopyMacroBufferToImage(state_.macroBuffer, state_.workingImage);
  DataBufToUI(state_.dataBuf, state_.controls, pages_);
  pages_.Receive(state_, PagesChange::Restored);
  return WriteJob(false);
}

}  // namespace veltrax
