// Identifying the mouse, reading its image, and the connection watch's tick.

#include "device/OpenProblems.h"
#include "image/FieldConversions.h"
#include "image/ImageFlows.h"
#include "image/SectionChecks.h"

namespace veltrax {

bool ImageFlows::ReadDevInfo() { return Begin([this] { return ReadDevInfoJob(); }); }

bool ImageFlows::Btn_Read() { return Begin([this] { return BtnReadJob(); }); }

ImageFlows::Next ImageFlows::ReadDevInfoJob() {
  auto found = std::make_shared<IdentifyRead>();
  return MakeDeviceJob([found, accepted = accepted_](DeviceWork& work) { *found = IdentifyAndRead(work.link, accepted); },
                       [this, found]() -> Next {
                         ShowIdentifyRead(*found);
                         return nullptr;
                       });
}

ImageFlows::Next ImageFlows::BtnReadJob() {
  auto read = std::make_shared<ImageRead>();
  return MakeDeviceJob([read](DeviceWork& work) { *read = ReadImageAndEnd(work.link); },
                       [this, read]() -> Next {
                         result_.read = read->read        ? ReadOutcome::Read
                                        : read->unplugged ? ReadOutcome::Unplugged
                                                          : ReadOutcome::ReadFailed;
                         ShowImageRead(*read);
                         return nullptr;
                       });
}

void ImageFlows::ShowIdentifyRead(const IdentifyRead& found) {
  result_.read = found.outcome;
  if (found.identity) {
    state_.controls.edt_VendorID_Rd.text = std::to_string((*found.identity)[0]);
    state_.controls.edt_ProductID_Rd.text = std::to_string((*found.identity)[1]);
    pages_.Receive(state_, PagesChange::Identity);
  }
  switch (found.outcome) {
    case ReadOutcome::WrongModel: Say("Str020", MessageStyle::SystemBox); break;
    case ReadOutcome::IdentityRejected: Say("Str107", MessageStyle::SystemBox); break;
    case ReadOutcome::ReadFailed:
      if (found.identity) {
        ShowImageRead(found.image);  // the image read failed
      } else {
        Say("Str109");
      }
      break;
    case ReadOutcome::Read: ShowImageRead(found.image); break;
    case ReadOutcome::Unplugged: DeviceLost(); break;
    case ReadOutcome::NoAnswer:
    case ReadOutcome::NoMarker: break;
  }
}

// A read that failed changes nothing that is shown or kept: the pages, the
// working image and DataBuf stay, and locked pages stay locked; unless the
// mouse went away, which leads to the no-device state.
void ImageFlows::ShowImageRead(const ImageRead& read) {
  if (read.unplugged) {
    DeviceLost();
    return;
  }
  if (!read.read) {
    Say("Str109");
    return;
  }
  state_.workingImage = read.image;
  ImageToDataBuf(state_);
  DataBufToUI(state_.dataBuf, state_.controls, pages_);
  DeviceReady();
}

bool ImageFlows::DevTimerTimer(ConnectionWatch& watch) {
  if (runner_.Busy()) return false;
  tickShowsImage_ = !state_.noDevice;
  auto found = std::make_shared<IdentifyRead>();
  auto why = std::make_shared<std::string>();
  Next tick = MakeDeviceJob(
      [this, &watch, found, why, accepted = accepted_](DeviceWork& work) {
        watchEvents_.clear();
        watch.DevTimerTimer();
        if (!watchEvents_.empty() && watchEvents_.back() == WatchEvent::Opened) {
          *found = IdentifyAndRead(work.link, accepted);
        }
        *why = DescribeOpenProblems(work.link.OpenProblems());
      },
      [this, found, why]() -> Next {
        ShowWatchEvents(watchEvents_, *found, *why);
        return nullptr;
      },
      WatchDuringJob::Running);
  return Begin([&tick] { return std::move(tick); });
}

void ImageFlows::ShowWatchEvents(const std::vector<WatchEvent>& events, const IdentifyRead& found,
                                 const std::string& why) {
  for (WatchEvent event : events) {
    if (event == WatchEvent::Lost) {
      DeviceLost(why);
    } else {
      ShowIdentifyRead(found);
    }
  }
}

}  // namespace veltrax
