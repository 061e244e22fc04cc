#pragma once
// The connection watch (DevTimerTimer): samples the number of openable HID
// interfaces, searches for the mouse when it rises, and notices the mouse's
// loss when it falls. What follows an open or a loss is the listener's.

#include <array>
#include <cstdint>

#include "device/DeviceLink.h"
#include "device/Sleeper.h"

namespace veltrax {

class WatchListener {
 public:
  virtual ~WatchListener() = default;
  // A candidate was opened: identify it and show its image (ReadDevInfo).
  virtual void MouseOpened() = 0;
  // The mouse was lost or not found (DeviceLost).
  virtual void MouseLost() = 0;
  // Whether the pages show an image read from the mouse after its identity
  // was accepted; false in the no-device state.
  virtual bool ShowsMouseImage() const { return false; }
};

struct Candidate {
  uint32_t vendorId = 0;
  uint32_t productId = 0;
};

class ConnectionWatch {
 public:
  static constexpr int kIntervalMs = 3500;  // DevTimer
  static constexpr int kSamplePasses = 5;
  static constexpr int kStablePassesNeeded = 2;
  static constexpr int kOpenWaitPauses = 21;  // 2.1 s before each open
  static constexpr int kOpenWaitPauseMs = 100;

  // Candidate entry 0 is the served model; entry 1 stays empty.
  ConnectionWatch(DeviceLink& link, Sleeper& sleeper, WatchListener& listener);

  // One tick of DevTimer. A tick that arrives while the watch is still
  // waiting inside an earlier tick returns at once. Runs where the device
  // link lives; the listener hears from that thread.
  void DevTimerTimer();

  std::array<Candidate, 2>& Candidates() { return candidates_; }
  int PreviousCount() const { return previousCount_; }
  bool Busy() const { return busy_; }

 private:
  // Five passes of two counts each; the sample is the first count of the
  // fifth pass.
  struct Sample {
    int count;
    int stablePasses;
  };
  Sample SampleCount();
  void InterfaceRemoved();
  void InterfaceAdded();

  DeviceLink& link_;
  Sleeper& sleeper_;
  WatchListener& listener_;
  std::array<Candidate, 2> candidates_{};
  int previousCount_ = 0;
  bool busy_ = false;
};

}  // namespace veltrax
