#pragma once
// The desktop pointer settings of the Advanced page: pointer speed,
// double-click speed and wheel scroll lines as 11-step bars, the
// acceleration and one-screen-per-notch switches. Read from the store when
// the window opens and after every read of the mouse; every bar or switch
// click, and every Apply, writes them back and applies them at once.

#include <array>

#include "base/Error.h"
#include "settings/PointerStore.h"

namespace veltrax {

constexpr int kPointerSteps = 11;
constexpr int kOneScreen = -1;  // scroll lines: one screen per notch

// What step n (1 to 11) writes.
constexpr std::array<int, kPointerSteps> kSensitivityOfStep{1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20};
constexpr std::array<int, kPointerSteps> kDoubleClickMsOfStep{900, 830, 760, 690, 620, 550, 480, 410, 340, 270, 200};

// Reading a stored value back into a step.
int SensitivityStep(int sensitivity);
int DoubleClickStep(int milliseconds);
int ScrollStep(int lines);  // for lines other than -1

class PointerSettings {
 public:
  // RefreshMouseSystemParameterA and B.
  void RefreshMouse(const PointerStore& store);
  void RefreshDesktop(const PointerStore& store);
  void Refresh(const PointerStore& store) {
    RefreshMouse(store);
    RefreshDesktop(store);
  }

  // Clicks; each applies everything at once. A scroll bar click while one
  // screen per notch is on is ignored, as the bar is disabled.
  Status ClickSpeed(int step, PointerStore& store);
  Status ClickDoubleClick(int step, PointerStore& store);
  Status ClickScroll(int step, PointerStore& store);
  Status ToggleAcceleration(PointerStore& store);
  Status ToggleOneScreen(PointerStore& store);
  // Writes every value from the current steps and applies them.
  Status Apply(PointerStore& store);

  int SpeedStep() const { return speedStep_; }
  int DoubleClickStepShown() const { return doubleClickStep_; }
  // The scroll bar's step: the last bar step while one screen is on.
  int ScrollBarStep() const { return lastScrollStep_; }
  bool AccelerationOn() const { return accelerationOn_; }
  bool OneScreen() const { return oneScreen_; }
  bool ScrollBarEnabled() const { return !oneScreen_; }

 private:
  void WriteMouse(PointerStore& store);
  void WriteDesktop(PointerStore& store);

  int speedStep_ = 0;
  int pointerSpeed_ = 0;
  int acceleration_ = 0;
  int threshold1_ = 0;
  int threshold2_ = 0;
  bool accelerationOn_ = false;
  int doubleClickStep_ = 0;
  int doubleClickTime_ = 0;
  int scrollStep_ = 0;  // 1 to 11, kOneScreen, or 0 until first set
  int lastScrollStep_ = 0;
  int scrollLines_ = 0;
  bool oneScreen_ = false;
};

}  // namespace veltrax
