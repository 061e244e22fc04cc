#pragma once
// The flows that move a whole configuration between the pages, the working
// image, profile files and the mouse: read, apply, restore, save and load,
// and the no-device state. The window forwards its button handlers here and
// implements FlowHost; the command-line tool does the same with stand-ins.

#include <filesystem>
#include <string_view>
#include <utility>

#include "base/TextTable.h"
#include "device/ConnectionWatch.h"
#include "device/DeviceLink.h"
#include "device/Sleeper.h"
#include "image/FlowHost.h"
#include "image/ImageState.h"

namespace veltrax {

enum class ReadOutcome {
  NoAnswer,          // the transaction could not be opened
  NoMarker,          // the status reply lacked the identity marker
  IdentityRejected,  // served model with unexpected identity bytes (Str107)
  WrongModel,        // status flag clear or another model (Str020), device dropped
  ReadFailed,        // the identity or the image could not be read (Str109); nothing shown changed
  Unplugged,         // the mouse went away during the read (Str100, the no-device state)
  Read,              // the image is on the pages
};

enum class WriteOutcome {
  NoDevice,     // no mouse open (Str020)
  GateFailed,   // the mouse refused the transaction or is not served (Str109); nothing written
  Unverified,   // a write or read-back was refused, bytes were not read back, or still differ (Str109)
  EndRefused,   // verified, but the mouse did not acknowledge the end of the transaction (Str109)
  Unplugged,    // the mouse went away during the write (Str100, the no-device state)
  Verified,     // the mouse holds the working image and closed the transaction
};

enum class ProfileOutcome {
  NoDevice,     // Str020
  Cancelled,    // the file dialog was closed
  Refused,      // the file could not be read or written, or is no profile (Str102)
  ReadFailed,   // saving: the mouse's image could not be read, no file written
  Saved,
  Verified,     // loading: written to the mouse and verified
  Unverified,   // loading: on the pages, but the mouse does not hold it
};

class ImageFlows final : public WatchListener {
 public:
  // Makes host the link's LinkHost.
  ImageFlows(DeviceLink& link, Sleeper& sleeper, FlowHost& host, const TextTable& texts);

  ImageState& State() { return state_; }
  const ImageState& State() const { return state_; }
  bool PagesLocked() const { return pagesLocked_; }
  // How the last ReadDevInfo ended, also when a save ran it.
  ReadOutcome LastReadOutcome() const { return lastRead_; }
  // How the last write to the mouse ended, also when a profile load ran it.
  WriteOutcome LastWriteOutcome() const { return lastWrite_; }
  // Rev_Manu_ID and Rev_Pro_ID of the global options: a second accepted
  // identity pair beside the one of default image 1.
  void SetReserveIds(int manufacturerId, int productId) { reserveIds_ = {manufacturerId, productId}; }

  // The no-device state and leaving it.
  void InitNoDevice();
  void RefreshErrorAP();
  void DeviceLost();
  void DeviceReady();

  // Identifies the open mouse and, when accepted, reads and shows its image.
  ReadOutcome ReadDevInfo() { return lastRead_ = IdentifyAndRead(); }
  // Reads the whole image inside the transaction ReadDevInfo opened, and ends it.
  bool Btn_Read();

  WriteOutcome DownloadParameter();
  // Writes the working image, reads it back and rewrites mismatching bytes
  // alone, at most three passes. Runs inside a transaction whose gate passed.
  WriteOutcome WriteAndVerify();
  // Restores default image 1, 2 or 3 (DefaultParameter1 to 3).
  WriteOutcome DefaultParameter(int n);
  WriteOutcome DefaultParameter1() { return DefaultParameter(1); }
  WriteOutcome DefaultParameter2() { return DefaultParameter(2); }
  WriteOutcome DefaultParameter3() { return DefaultParameter(3); }
  WriteOutcome TLDefaultParameter();

  ProfileOutcome Btn_Save_0Click();
  ProfileOutcome Btn_Load_0Click();
  WriteOutcome MemoToDataBuf_OnClick();

  // Button handlers with their prologue (pressed look, 110 ms, device check).
  void Btn_Read_0Click();
  void Btn_Apply_0Click();
  void Btn_Confirm_0Click();
  void Btn_Confirm1_1Click();
  void Btn_Confirm2_1Click();
  void Btn_Confirm3_1Click();
  void Btn_DefaultClick();

  // WatchListener
  void MouseOpened() override { ReadDevInfo(); }
  void MouseLost() override { DeviceLost(); }
  void ProcessMessages() override { host_.ProcessMessages(); }
  bool ShowsMouseImage() const override { return !state_.noDevice; }

 private:
  ReadOutcome IdentifyAndRead();
  void Say(std::string_view id, MessageStyle style = MessageStyle::Dialog);
  void LockPages();
  void UnlockPages();
  void WaitWithMessages(int pauses, int pauseMs);
  bool ButtonPrologue(std::string_view button, bool wait);
  void BeginFlow(bool lock);
  void EndFlow(bool unlock);
  WriteOutcome GateAndWrite();
  // Tells the user how a write ended, after the flow's end.
  void ReportWrite(WriteOutcome outcome);
  // The mouse went away in the middle of a flow: the no-device state.
  void LoseDevice();
  void ShowWorkingImage();

  DeviceLink& link_;
  Sleeper& sleeper_;
  FlowHost& host_;
  const TextTable& texts_;
  ImageState state_;
  std::pair<int, int> reserveIds_{0, 0};
  ReadOutcome lastRead_ = ReadOutcome::NoAnswer;
  WriteOutcome lastWrite_ = WriteOutcome::NoDevice;
  bool pagesLocked_ = true;  // the overlays are visible from the window's creation
};

}  // namespace veltrax
