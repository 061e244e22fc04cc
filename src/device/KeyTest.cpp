#include "device/KeyTest.h"

#include "device/DeviceLink.h"
#include "device/Sleeper.h"

namespace veltrax {
namespace {

// Without a mouse PollButtons returns at once; the loop then waits as long
// as a poll would, instead of spinning.
constexpr int kIdlePollMs = 10;

void Blink(DeviceWork& work, BlinkSink& sink, int button) {
  sink.SetButtonShown(button, false);
  work.sleeper.SleepMs(kBlinkStepMs);
  sink.SetButtonShown(button, true);
  work.sleeper.SleepMs(kBlinkStepMs);
  sink.SetButtonShown(button, false);
  work.sleeper.SleepMs(kBlinkStepMs);
  sink.SetButtonShown(button, true);
}

}  // namespace

uint16_t PollAndBlink(DeviceWork& work, std::atomic<bool>& pressed, BlinkSink& sink) {
  const uint16_t mask = work.link.PollButtons();
  if (!work.link.IsOpen() || work.link.Gone()) work.sleeper.SleepMs(kIdlePollMs);
  for (int bit = 0; bit < kTestedButtons; ++bit) {
    if ((mask & (1U << bit)) == 0) continue;
    pressed = true;
    Blink(work, sink, bit + 1);
    pressed = false;
  }
  return mask;
}

std::unique_ptr<DeviceJob> KeyTestJob(std::atomic<bool>& pressed, BlinkSink& sink) {
  return MakeDeviceJob(
      [&pressed, &sink](DeviceWork& work) {
        // Without an answer the polls find nothing and the test runs out as usual.
        (void)work.link.SendCommand(Command::BeginTransactionCmd);
        while (!work.StopRequested()) PollAndBlink(work, pressed, sink);
      },
      [] { return MakeDeviceJob([](DeviceWork& work) { (void)work.link.CloseTransaction(); }); });  // ends silently
}

KeyTestCountdown::Tick KeyTestCountdown::OnTimer(bool pressed) {
  if (pressed) {
    idle_ = 0;
    return {};
  }
  Tick tick{kKeyTestIdleTicks - 1 - idle_, false};
  ++idle_;
  tick.ended = idle_ >= kKeyTestIdleTicks;
  return tick;
}

std::string CountdownCaption(int secondsLeft) { return std::to_string(secondsLeft) + "..."; }

}  // namespace veltrax
