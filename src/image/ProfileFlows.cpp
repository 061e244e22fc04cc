// Saving the mouse's configuration to a profile file and loading one back.

#include "base/FileIo.h"
#include "image/FieldConversions.h"
#include "image/ImageFlows.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"

namespace veltrax {

// The file is written only from an image read from the mouse in this save.
ProfileOutcome ImageFlows::Btn_Save_0Click() {
  host_.HideAllMenu();
  host_.ShowPressedLook("Btn_Save");
  if (!link_.IsOpen()) {
    Say("Str020");
    return ProfileOutcome::NoDevice;
  }
  const std::optional<std::filesystem::path> chosen = host_.ChooseSaveFile();
  if (!chosen) return ProfileOutcome::Cancelled;
  const std::filesystem::path target = ProfileTarget(*chosen);
  const ReadOutcome read = ReadDevInfo();
  if (read != ReadOutcome::Read) {
    // a failed or interrupted read has said so already
    if (read != ReadOutcome::ReadFailed && read != ReadOutcome::Unplugged) Say("Str109");
    return ProfileOutcome::ReadFailed;
  }
  const Status written = WriteFileAtomically(target, state_.workingImage);
  if (!written) {
    host_.ShowMessage({"", written.error().context, MessageStyle::Dialog});
    return ProfileOutcome::Refused;
  }
  return ProfileOutcome::Saved;
}

// The file is checked whole in a buffer of its own before anything changes.
ProfileOutcome ImageFlows::Btn_Load_0Click() {
  host_.HideAllMenu();
  host_.ShowPressedLook("Btn_Load");
  if (!link_.IsOpen()) {
    Say("Str020");
    return ProfileOutcome::NoDevice;
  }
  const std::optional<std::filesystem::path> chosen = host_.ChooseOpenFile();
  if (!chosen) return ProfileOutcome::Cancelled;
  const Result<DeviceImage> image = ReadProfileFile(*chosen);
  if (!image) {
    if (image.error().kind == ErrorKind::BadFormat) {
      Say("Str102");
    } else {
      host_.ShowMessage({"", image.error().context, MessageStyle::Dialog});
    }
    return ProfileOutcome::Refused;
  }
  state_.workingImage = image.value();
  return MemoToDataBuf_OnClick() == WriteOutcome::Verified ? ProfileOutcome::Verified : ProfileOutcome::Unverified;
}

// What the mouse receives is the working image as loaded; sections the
// checks repaired are repaired on the pages only.
WriteOutcome ImageFlows::MemoToDataBuf_OnClick() {
  ShowWorkingImage();
  host_.EnableDevTimer(false);
  LockPages();
  host_.ShowLoadingWindow();
  host_.ProcessMessages();
  const WriteOutcome outcome = GateAndWrite();
  EndFlow(true);
  ReportWrite(outcome);
  return outcome;
}

}  // namespace veltrax
