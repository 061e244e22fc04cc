#include <sys/prctl.h>

#include <chrono>
#include <thread>

#include "device/Sleeper.h"

namespace veltrax {

RealSleeper::RealSleeper() {
  // The default 50 us timer slack adds about 1 % to every 5 ms protocol pause.
  ::prctl(PR_SET_TIMERSLACK, 1UL, 0UL, 0UL, 0UL);
}

void RealSleeper::SleepMs(int ms) {
  if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace veltrax
