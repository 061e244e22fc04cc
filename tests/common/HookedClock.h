#pragma once
// Virtual time that runs something inside every pause: a tick that comes
// back during the connection watch's wait, a flow held on the device thread
// while the test looks at the window.

#include <functional>

#include "device/Sleeper.h"

namespace veltrax::test {

class HookedClock final : public Sleeper {
 public:
  // Set only while no pause can run.
  std::function<void()> onPause;

  void SleepMs(int ms) override {
    clock_.SleepMs(ms);
    if (onPause) onPause();
  }
  int64_t NowMs() const { return clock_.NowMs(); }

 private:
  VirtualClock clock_;
};

}  // namespace veltrax::test
