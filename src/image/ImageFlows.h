#pragma once
// The flows that move a whole configuration between the pages, the working
// image, profile files and the mouse: read, apply, restore, save and load,
// the connection watch's tick, and the no-device state.
//
// A flow alternates between this thread (the window's: the state, the
// pages, dialogs and messages) and the runner's device thread (the
// exchanges, see MouseExchanges.h): the state is read before a write and
// replaced after a read here, never on the device thread. With the
// window's runner a flow started here ends later, after the event loop ran
// on; with an InlineRunner it has ended when the call returns, and
// LastResult() tells how.

#include <functional>
#include <string>
#include <vector>

#include "base/TextTable.h"
#include "device/ConnectionWatch.h"
#include "device/DeviceJob.h"
#include "image/FlowPages.h"
#include "image/FlowResult.h"
#include "image/ImageState.h"
#include "image/MouseExchanges.h"

namespace veltrax {

class ImageFlows final : public WatchListener {
 public:
  using Done = std::function<void(const FlowResult&)>;

  ImageFlows(DeviceRunner& runner, FlowPages& pages, FlowDialogs& dialogs, const TextTable& texts);

  ImageState& State() { return state_; }
  const ImageState& State() const { return state_; }
  bool PagesLocked() const { return pagesLocked_; }
  const FlowResult& LastResult() const { return result_; }
  // Rev_Manu_ID and Rev_Pro_ID of the global options: a second accepted
  // identity pair beside the one of default image 1.
  void SetReserveIds(int manufacturerId, int productId) { accepted_.reserve = {manufacturerId, productId}; }

  // A device button's flow with its prologue: the 110 ms pause of a
  // pressed button (not for Read, Save and Load), then "Finding the device"
  // (Str020) without a mouse. done runs here at the flow's end. False when
  // another flow runs: this one is dropped.
  [[nodiscard]] bool Start(DeviceFlow flow, Done done = {});

  // The flows themselves, without a button's prologue. Each returns false
  // when another flow runs.
  [[nodiscard]] bool ReadDevInfo();
  // Reads the whole image inside the transaction ReadDevInfo opened, and ends it.
  [[nodiscard]] bool Btn_Read();
  [[nodiscard]] bool DownloadParameter();
  // Restores default image 1, 2 or 3 (DefaultParameter1 to 3).
  [[nodiscard]] bool DefaultParameter(int n);
  [[nodiscard]] bool TLDefaultParameter();
  [[nodiscard]] bool MemoToDataBuf_OnClick();

  // One tick of DevTimer: the watch runs on the device thread; what it
  // found (the mouse's image, or the no-device state) is shown here.
  [[nodiscard]] bool DevTimerTimer(ConnectionWatch& watch);

  // The no-device state and leaving it; no exchange.
  void InitNoDevice();
  void RefreshErrorAP();
  // why: what keeps a mouse that is plugged in from being used, and how
  // to mend it (DescribeOpenProblems); shown after Str100 and Str101.
  void DeviceLost(const std::string& why = {});
  void DeviceReady();

  // WatchListener: called by the watch on the device thread during a tick;
  // only noted there, and acted on when the tick is over.
  void MouseOpened() override { watchEvents_.push_back(WatchEvent::Opened); }
  void MouseLost() override { watchEvents_.push_back(WatchEvent::Lost); }
  bool ShowsMouseImage() const override { return tickShowsImage_; }

 private:
  enum class WatchEvent { Opened, Lost };
  using Next = std::unique_ptr<DeviceJob>;

  // Builds the flow's first job, unless another flow runs, and starts it.
  bool Begin(const std::function<Next()>& first, Done done = {});
  Next ButtonFlow(DeviceFlow flow);
  Next ReadDevInfoJob();
  Next BtnReadJob();
  Next DownloadJob();
  Next DefaultJob(int n);
  Next TLDefaultJob();
  Next MemoToDataBufJob();
  Next SaveJob();
  Next LoadJob();
  // The write of the working image at the end of Apply, a restore or a
  // load; the pages are unlocked at its end when unlock is set.
  Next WriteJob(bool unlock);
  // Tells the user how a write ended, after the flow's end.
  void ReportWrite(WriteOutcome outcome);

  void Say(std::string_view id, MessageStyle style = MessageStyle::Dialog);
  void LockPages();
  void UnlockPages();
  void ShowWorkingImage(PagesChange change);
  void ShowIdentifyRead(const IdentifyRead& found);
  // Btn_Read's part on this thread; a read that failed changes nothing
  // that is shown or kept.
  void ShowImageRead(const ImageRead& read);
  void ShowWatchEvents(const std::vector<WatchEvent>& events, const IdentifyRead& found, const std::string& why);
  std::string WaitingText(const std::string& why) const;

  DeviceRunner& runner_;
  FlowPages& pages_;
  FlowDialogs& dialogs_;
  const TextTable& texts_;
  ImageState state_;
  AcceptedIdentities accepted_;
  FlowResult result_;
  std::vector<WatchEvent> watchEvents_;  // written by the watch during a tick only
  bool tickShowsImage_ = false;          // whether the pages showed the mouse's image when the tick began
  bool pagesLocked_ = true;  // the overlays are visible from the window's creation
};

}  // namespace veltrax
