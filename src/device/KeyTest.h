#pragma once
// The key test: which physical button of the mouse is which. While it runs,
// a job on the device thread polls the held buttons (PollButtons) and blinks
// the engineer page's key button of every held one, in bit order; a timer
// on the window's thread counts the idle seconds down and ends the test
// after six seconds without a press.
//
// Bit n (0 to 8) of the button mask stands for physical button n + 1, shown
// by btn_Key10(n + 1); bits 9 to 15 are not used.

#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "device/DeviceJob.h"

namespace veltrax {

constexpr int kTestedButtons = 9;
constexpr int kBlinkStepMs = 500;
constexpr int kKeyTestTimerMs = 1000;
constexpr int kKeyTestIdleTicks = 6;

// Where a blink shows. Called on the device thread; the window hands each
// change over to its own thread and does not wait for it.
class BlinkSink {
 public:
  virtual ~BlinkSink() = default;
  // button 1 to 9.
  virtual void SetButtonShown(int button, bool shown) = 0;
};

// One poll and the blinks of the buttons it found held: for each, hidden,
// shown, hidden and shown again with kBlinkStepMs between the steps, while
// `pressed` is set. Returns the mask.
uint16_t PollAndBlink(DeviceWork& work, std::atomic<bool>& pressed, BlinkSink& sink);

// The test's work on the device thread: BeginTransactionCmd (its answer
// is not checked), then PollAndBlink until a stop is asked for (a blink in
// progress ends first); then, as the flow's next job, SystemReloadCmd and
// EndTransactionCmd. `pressed` and `sink` must outlive the flow.
std::unique_ptr<DeviceJob> KeyTestJob(std::atomic<bool>& pressed, BlinkSink& sink);

// The idle count-down of the test timer (TestTimerTimer).
class KeyTestCountdown {
 public:
  struct Tick {
    // The number the caption counts down ("5..." to "0..."); nothing while
    // a button is pressed: the caption is the button's own then.
    std::optional<int> secondsLeft;
    bool ended = false;  // the sixth idle tick: the test ends
  };

  void Start() { idle_ = 0; }
  // One tick of the timer; pressed is the worker's flag at that moment.
  Tick OnTimer(bool pressed);

 private:
  int idle_ = 0;
};

// "5...", the caption of a count-down tick.
std::string CountdownCaption(int secondsLeft);

}  // namespace veltrax
