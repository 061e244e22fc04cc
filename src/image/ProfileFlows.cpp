// Saving the mouse's configuration to a profile file and loading one back.

#include "base/FileIo.h"
#include "image/ImageFlows.h"
#include "image/ProfileFile.h"

namespace veltrax {

bool ImageFlows::MemoToDataBuf_OnClick() { return Begin([this] { return MemoToDataBufJob(); }); }

// The file is written only from an image read from the mouse in this save.
ImageFlows::Next ImageFlows::SaveJob() {
  const std::optional<std::filesystem::path> chosen = dialogs_.ChooseSaveFile();
  if (!chosen) {
    result_.profile = ProfileOutcome::Cancelled;
    return nullptr;
  }
  return ThenDeviceJob(ReadDevInfoJob(), [this, target = ProfileTarget(*chosen)]() -> Next {
    if (result_.read != ReadOutcome::Read) {
      // a failed or interrupted read has said so already
      if (result_.read != ReadOutcome::ReadFailed && result_.read != ReadOutcome::Unplugged) Say("Str109");
      result_.profile = ProfileOutcome::ReadFailed;
      return nullptr;
    }
    const Status written = WriteFileAtomically(target, state_.workingImage);
    if (!written) {
      dialogs_.ShowMessage({"", written.error().context, MessageStyle::Dialog});
      result_.profile = ProfileOutcome::Refused;
      return nullptr;
    }
    result_.profile = ProfileOutcome::Saved;
    return nullptr;
  });
}

// The file is checked whole in a buffer of its own before anything changes.
ImageFlows::Next ImageFlows::LoadJob() {
  const std::optional<std::filesystem::path> chosen = dialogs_.ChooseOpenFile();
  if (!chosen) {
    result_.profile = ProfileOutcome::Cancelled;
    return nullptr;
  }
  const Result<DeviceImage> image = ReadProfileFile(*chosen);
  if (!image) {
    if (image.error().kind == ErrorKind::BadFormat) {
      Say("Str102");
    } else {
      dialogs_.ShowMessage({"", image.error().context, MessageStyle::Dialog});
    }
    result_.profile = ProfileOutcome::Refused;
    return nullptr;
  }
  state_.workingImage = image.value();
  return ThenDeviceJob(MemoToDataBufJob(), [this]() -> Next {
    result_.profile = result_.write == WriteOutcome::Verified ? ProfileOutcome::Verified : ProfileOutcome::Unverified;
    return nullptr;
  });
}

// What the mouse receives is the working image as loaded; sections the
// checks repaired are repaired on the pages only.
ImageFlows::Next ImageFlows::MemoToDataBufJob() {
  ShowWorkingImage(PagesChange::Loaded);
  LockPages();
  return WriteJob(true);
}

}  // namespace veltrax
