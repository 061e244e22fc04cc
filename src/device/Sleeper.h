#pragma once
// Protocol pauses go through a Sleeper: real milliseconds in the programs,
// virtual time in tests, so the exact pause schedule can be checked.

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

// Advances a counter instead of waiting.
class VirtualClock final : public Sleeper {
 public:
  void SleepMs(int ms) override { now_ += ms; }
  int64_t NowMs() const { return now_; }

 private:
  int64_t now_ = 0;
};

}  // namespace veltrax
