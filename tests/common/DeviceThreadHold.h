#pragma once
// Holds the device thread in its pauses at given virtual times, one point
// after the other, each until it is released; releases everything at the
// latest when it goes, so a failed check cannot leave the thread waiting.
// Install it while no flow runs, and clear clock.onPause once the flows it
// saw have ended.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

#include "common/HookedClock.h"

namespace veltrax::test {

class DeviceThreadHold {
 public:
  DeviceThreadHold(HookedClock& clock, std::vector<int64_t> atMs) : clock_(clock), points_(std::move(atMs)) {
    clock_.onPause = [this] { Pause(); };
  }
  DeviceThreadHold(HookedClock& clock, int64_t atMs) : DeviceThreadHold(clock, std::vector<int64_t>{atMs}) {}
  ~DeviceThreadHold() {
    std::lock_guard lock(mutex_);
    released_ = points_.size();
    changed_.notify_all();
  }

  // Whether the thread waits at a hold point not yet released.
  bool Holding() const {
    std::lock_guard lock(mutex_);
    return holding_ && released_ <= next_;
  }
  // Lets the thread go on from the current hold point.
  void Release() {
    std::lock_guard lock(mutex_);
    if (released_ < points_.size()) ++released_;
    changed_.notify_all();
  }

 private:
  void Pause() {
    {
      std::unique_lock lock(mutex_);
      if (next_ < points_.size() && clock_.NowMs() >= points_[next_]) {
        holding_ = true;
        changed_.wait(lock, [this] { return released_ > next_; });
        holding_ = false;
        ++next_;
      }
    }
    // A loop that polls in virtual time leaves the test's thread room.
    std::this_thread::yield();
  }

  HookedClock& clock_;
  const std::vector<int64_t> points_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  size_t next_ = 0;      // the point the thread stops at next
  size_t released_ = 0;  // the points released so far
  bool holding_ = false;
};

}  // namespace veltrax::test
