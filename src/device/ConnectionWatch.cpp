#include "device/ConnectionWatch.h"

#include "device/ServedModel.h"

namespace veltrax {

ConnectionWatch::ConnectionWatch(DeviceLink& link, Sleeper& sleeper, WatchListener& listener)
    : link_(link), sleeper_(sleeper), listener_(listener) {
  candidates_[0] = {kServedVendorId, kServedProductId};
}

ConnectionWatch::Sample ConnectionWatch::SampleCount() {
  Sample sample{0, 0};
  for (int pass = 0; pass < kSamplePasses; ++pass) {
    const int first = link_.CountHidInterfaces();
    const int second = link_.CountHidInterfaces();
    if (first == second) ++sample.stablePasses;
    sample.count = first;
  }
  return sample;
}

void ConnectionWatch::DevTimerTimer() {
  if (busy_) return;
  busy_ = true;
  const Sample sample = SampleCount();
  if (sample.count != previousCount_ && sample.stablePasses >= kStablePassesNeeded) {
    if (sample.count < previousCount_) {
      InterfaceRemoved();
    } else {
      InterfaceAdded();
    }
    previousCount_ = sample.count;
  }
  busy_ = false;
}

// Another device going away leaves an open mouse alone; only the loss of
// the mouse's own interface counts as losing it. With no mouse open and the
// no-device state already shown there is nothing left to lose.
void ConnectionWatch::InterfaceRemoved() {
  if (link_.IsOpen() && link_.StillPresent()) return;
  if (!link_.IsOpen() && !listener_.ShowsMouseImage()) return;
  listener_.MouseLost();
  link_.DropDevice();
}

// A mouse that is open, still there and shown is kept as it is: another
// device arriving must not reopen it and re-read the pages over unapplied
// edits. One that was opened but never accepted (its identification or
// read failed) is searched for again, as nothing else would unlock the pages.
void ConnectionWatch::InterfaceAdded() {
  if (link_.IsOpen() && link_.StillPresent() && listener_.ShowsMouseImage()) return;
  for (const Candidate& candidate : candidates_) {
    if (candidate.vendorId == 0 || candidate.productId == 0) continue;
    for (int i = 0; i < kOpenWaitPauses; ++i) sleeper_.SleepMs(kOpenWaitPauseMs);
    if (link_.OpenDevice(candidate.vendorId, candidate.productId, kRequiredRelease)) {
      link_.SetVendorProduct(candidate.vendorId, candidate.productId);
      listener_.MouseOpened();
      return;
    }
    listener_.MouseLost();
  }
}

}  // namespace veltrax
