#include "settings/PointerSettings.h"

namespace veltrax {
namespace {

using namespace pointer_value;

constexpr int kUnreadableSensitivity = 20;
constexpr int kUnreadableDoubleClickMs = 480;
constexpr int kUnreadableScrollLines = 3;

bool ValidStep(int step) { return step >= 1 && step <= kPointerSteps; }

}  // namespace

int SensitivityStep(int sensitivity) {
  if (sensitivity >= 0 && sensitivity <= 9) return sensitivity / 2 + 1;
  if (sensitivity >= 12 && sensitivity <= 19) return sensitivity / 2 + 1;
  if (sensitivity == 20) return 11;
  return 6;
}

int DoubleClickStep(int milliseconds) {
  for (int step = 1; step < kPointerSteps; ++step) {
    if (milliseconds >= kDoubleClickMsOfStep[step - 1]) return step;
  }
  return kPointerSteps;
}

int ScrollStep(int lines) {
  if (lines == 0) return 3;
  return lines >= 1 && lines <= 10 ? lines : kPointerSteps;
}

void PointerSettings::RefreshMouse(const PointerStore& store) {
  if (!store.Opens(PointerGroup::Mouse)) return;
  pointerSpeed_ = store.Read(kSensitivity).value_or(kUnreadableSensitivity);
  speedStep_ = SensitivityStep(pointerSpeed_);
  acceleration_ = store.Read(kAcceleration).value_or(0);
  threshold1_ = store.Read(kThreshold1).value_or(0);
  threshold2_ = store.Read(kThreshold2).value_or(0);
  accelerationOn_ = acceleration_ != 0 || threshold1_ != 0 || threshold2_ != 0;
  doubleClickTime_ = store.Read(kDoubleClick).value_or(kUnreadableDoubleClickMs);
  doubleClickStep_ = DoubleClickStep(doubleClickTime_);
}

void PointerSettings::RefreshDesktop(const PointerStore& store) {
  if (!store.Opens(PointerGroup::Desktop)) return;
  scrollLines_ = store.Read(kScrollLines).value_or(kUnreadableScrollLines);
  if (scrollLines_ == kOneScreen) {
    // The held step follows, so that the next apply keeps one screen.
    oneScreen_ = true;
    scrollStep_ = kOneScreen;
    lastScrollStep_ = 1;
    return;
  }
  oneScreen_ = false;
  scrollStep_ = lastScrollStep_ = ScrollStep(scrollLines_);
}

Status PointerSettings::ClickSpeed(int step, PointerStore& store) {
  if (!ValidStep(step)) return Success();
  speedStep_ = step;
  return Apply(store);
}

Status PointerSettings::ClickDoubleClick(int step, PointerStore& store) {
  if (!ValidStep(step)) return Success();
  doubleClickStep_ = step;
  return Apply(store);
}

Status PointerSettings::ClickScroll(int step, PointerStore& store) {
  if (!ValidStep(step) || oneScreen_) return Success();
  scrollStep_ = lastScrollStep_ = step;
  return Apply(store);
}

Status PointerSettings::ToggleAcceleration(PointerStore& store) {
  accelerationOn_ = !accelerationOn_;
  acceleration_ = accelerationOn_ ? 1 : 0;
  threshold1_ = accelerationOn_ ? 6 : 0;
  threshold2_ = accelerationOn_ ? 10 : 0;
  return Apply(store);
}

Status PointerSettings::ToggleOneScreen(PointerStore& store) {
  oneScreen_ = !oneScreen_;
  scrollStep_ = oneScreen_ ? kOneScreen : lastScrollStep_;
  return Apply(store);
}

Status PointerSettings::Apply(PointerStore& store) {
  WriteMouse(store);
  WriteDesktop(store);
  return store.Apply();
}

void PointerSettings::WriteMouse(PointerStore& store) {
  if (!store.Opens(PointerGroup::Mouse)) return;
  if (ValidStep(speedStep_)) {
    pointerSpeed_ = kSensitivityOfStep[speedStep_ - 1];
    store.Write(kSensitivity, pointerSpeed_);
  }
  store.Write(kAcceleration, acceleration_);
  store.Write(kThreshold1, threshold1_);
  store.Write(kThreshold2, threshold2_);
  if (ValidStep(doubleClickStep_)) {
    doubleClickTime_ = kDoubleClickMsOfStep[doubleClickStep_ - 1];
    store.Write(kDoubleClick, doubleClickTime_);
  }
}

void PointerSettings::WriteDesktop(PointerStore& store) {
  if (!store.Opens(PointerGroup::Desktop)) return;
  if (scrollStep_ != kOneScreen && !ValidStep(scrollStep_)) return;
  scrollLines_ = scrollStep_;
  store.Write(kScrollLines, scrollLines_);
}

}  // namespace veltrax
