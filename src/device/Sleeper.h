#pragma once
// Protocol pauses go through a Sleeper: real milliseconds in the programs,
// virtual time in tests, so the exact pause schedule can be checked.

#include <atomic>
#include <cstdint>

namespace veltrax {

class Sleeper {
 public:
  virtual ~Sleeper() = default;
  virtual void SleepMs(int ms) = 0;
};

// Blocks the calling thread; never spins.
class RealSleeper final : public Sleeper {
 public:
  RealSleeper();
  void SleepMs(int ms) override;
};

// Advances a counter instead of waiting. The device thread advances it
// while the test's thread may read it.
class VirtualClock final : public Sleeper {
 public:
  void SleepMs(int ms) override { now_ += ms; }
  int64_t NowMs() const { return now_; }

 private:
  std::atomic<int64_t> now_ = 0;
};

}  // namespace veltrax
