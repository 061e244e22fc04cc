// Starting the flows, the device buttons' prologue, and the no-device state.

#include "image/ImageFlows.h"

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

// Read, Save and Load start at once; the other buttons show their pressed
// look for 110 ms first.
bool PausesFirst(DeviceFlow flow) {
  return flow != DeviceFlow::Read && flow != DeviceFlow::SaveProfile && flow != DeviceFlow::LoadProfile;
}

}  // namespace

ImageFlows::ImageFlows(DeviceRunner& runner, FlowPages& pages, FlowDialogs& dialogs, const TextTable& texts)
    : runner_(runner), pages_(pages), dialogs_(dialogs), texts_(texts) {
  const DeviceImage& reference = DefaultImage(1);
  accepted_.defaultImage = {reference[kIdentityAddress], reference[kIdentityAddress + 1]};
}

bool ImageFlows::Begin(const std::function<Next()>& first, Done done) {
  if (runner_.Busy()) return false;
  result_ = {};
  return runner_.Start(first(), [this, done = std::move(done)] {
    if (done) done(result_);
  });
}

bool ImageFlows::Start(DeviceFlow flow, Done done) {
  if (runner_.Busy()) return false;
  if (flow == DeviceFlow::SaveProfile || flow == DeviceFlow::LoadProfile) pages_.HideMenus();
  auto open = std::make_shared<bool>(false);
  auto check = [this, flow, open] {
    return MakeDeviceJob(
      [open, pause = PausesFirst(flow)](DeviceWork& work) {
        if (pause) ButtonPause(work.sleeper);
        *open = work.link.IsOpen();
      },
      [this, flow, open]() -> Next {
        result_.deviceOpen = *open;
        if (*open) return ButtonFlow(flow);
        // The engineer page's restore of defaults says nothing without a mouse.
        if (flow != DeviceFlow::RestoreBuiltIn) Say("Str020");
        return nullptr;
      });
  };
  return Begin(check, std::move(done));
}

ImageFlows::Next ImageFlows::ButtonFlow(DeviceFlow flow) {
  switch (flow) {
    case DeviceFlow::Read: return ReadDevInfoJob();
    case DeviceFlow::Apply: return DownloadJob();
    case DeviceFlow::Confirm:
      // The window closes 110 ms after the write.
      return ThenDeviceJob(DownloadJob(), [] { return MakeDeviceJob([](DeviceWork& w) { ButtonPause(w.sleeper); }); });
    case DeviceFlow::Restore1: return DefaultJob(1);
    case DeviceFlow::Restore2: return DefaultJob(2);
    case DeviceFlow::Restore3: return DefaultJob(3);
    case DeviceFlow::RestoreBuiltIn: return TLDefaultJob();
    case DeviceFlow::SaveProfile: return SaveJob();
    case DeviceFlow::LoadProfile: return LoadJob();
  }
  return nullptr;
}

void ImageFlows::Say(std::string_view id, MessageStyle style) {
  dialogs_.ShowMessage({std::string(id), texts_.Text(id), style});
}

void ImageFlows::LockPages() {
  pagesLocked_ = true;
  pages_.SetPagesLocked(true);
}

void ImageFlows::UnlockPages() {
  pagesLocked_ = false;
  pages_.SetPagesLocked(false);
}

void ImageFlows::ShowWorkingImage(PagesChange change) {
  ImageToDataBuf(state_);
  DataBufToUI(state_.dataBuf, state_.controls, pages_);
  pages_.Receive(state_, change);
}

void ImageFlows::InitNoDevice() {
  state_.workingImage = DefaultImage(1);
  ImageToDataBuf(state_);
  DataBufToUI(state_.dataBuf, state_.controls, pages_);
}

void ImageFlows::RefreshErrorAP() {
  InitNoDevice();
  state_.noDevice = true;
  pages_.Receive(state_, PagesChange::NoDevice);
}

// Str100 and Str101; when a mouse is plugged in but cannot be used, what
// is wrong and how to mend it follow.
std::string ImageFlows::WaitingText(const std::string& why) const {
  std::string text = texts_.Text("Str100") + "\r\r" + texts_.Text("Str101");
  if (why.empty()) return text;
  while (!text.empty() && text.back() == '\r') text.pop_back();
  return text + "\n\n" + why;
}

void ImageFlows::DeviceLost(const std::string& why) {
  pages_.HideMenus();
  RefreshErrorAP();
  state_.controls.LedType.clear();
  LockPages();
  dialogs_.ShowMessage({"Str100", WaitingText(why), MessageStyle::Dialog});
}

void ImageFlows::DeviceReady() {
  state_.noDevice = false;
  pages_.Receive(state_, PagesChange::Read);
  UnlockPages();
}

}  // namespace veltrax
