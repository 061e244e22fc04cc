#include "macro/MacroRecorder.h"

#include <algorithm>

#include "keys/KeyCatalogue.h"
#include "macro/MacroRecord.h"

namespace veltrax {
namespace {

constexpr const char* kIgnoredKeyName = "255";
constexpr int kMaxDelayRowMs = 2040;
constexpr int kKeyRowBytes = 2;
constexpr int kButtonRowBytes = 1;

struct Modifier {
  int virtualKey;
  uint8_t mask;
};
constexpr Modifier kModifiers[] = {{0x11, 0x01}, {0x10, 0x02}, {0x12, 0x04}, {0x5B, 0x08}, {0x5C, 0x80}};

std::string KeyEventRow(int virtualKey, const std::string& name, bool press) {
  for (const Modifier& m : kModifiers) {
    if (m.virtualKey == virtualKey) return ModifierRow(press, name, m.mask);
  }
  return KeyRow(press, name, UsageOfVirtualKey(virtualKey));
}

struct ButtonEvent {
  MouseButton button;
  bool press;
};

ButtonEvent ButtonEventOf(MouseFlag flag) {
  const int i = static_cast<int>(flag);
  return {static_cast<MouseButton>(i / 2), i % 2 == 0};
}

}  // namespace

KeyDownCounter::Event KeyDownCounter::OnKeyMessage(bool down) {
  downCount_ = down ? downCount_ + 1 : 0;
  const KeyEventType type =
      downCount_ == 0 ? KeyEventType::Released : downCount_ == 1 ? KeyEventType::Pressed : KeyEventType::Repeated;
  return {downCount_, type};
}

MacroRecorder::MacroRecorder(Clock clock) : clock_(std::move(clock)) {}

MacroRecorder::~MacroRecorder() { Stop(); }

void MacroRecorder::Begin(MacroRowList& rows, int& selected, const RecorderDelays& delays, bool insert) {
  Stop();
  std::lock_guard lock(mutex_);
  rows_ = &rows;
  selected_ = &selected;
  delays_ = delays;
  inserting_ = insert;
  budget_.limitReached = false;
  lastKey_.reset();
  lastEventTime_.reset();
  for (auto& flag : pending_) flag = 0;
  recording_ = true;
  stopWorker_ = false;
  hookInstalled_ = true;
  worker_ = std::thread([this] { WorkerLoop(); });
}

void MacroRecorder::StartWhole(MacroRowList& rows, int& selected, const RecorderDelays& delays) {
  Stop();
  rows.clear();
  selected = -1;
  budget_.used = 0;
  Begin(rows, selected, delays, false);
}

bool MacroRecorder::StartInsert(MacroRowList& rows, int& selected, int at, InsertSide side, int lengthByte,
                                const RecorderDelays& delays) {
  Stop();
  if (at < 0 || at >= static_cast<int>(rows.rows.size()) || lengthByte >= kRecordBudgetLimit) return false;
  if (LimitReached()) return false;
  {
    std::lock_guard lock(mutex_);
    budget_.used = lengthByte;
    side_ = side;
    insertAt_ = at;
  }
  Begin(rows, selected, delays, true);
  return true;
}

void MacroRecorder::Stop() {
  hookInstalled_ = false;
  {
    std::lock_guard lock(mutex_);
    stopWorker_ = true;
  }
  wake_.notify_one();
  if (worker_.joinable()) worker_.join();
  std::lock_guard lock(mutex_);
  recording_ = false;
  inserting_ = false;
  lastEventTime_.reset();
}

bool MacroRecorder::Recording() const {
  std::lock_guard lock(mutex_);
  return recording_;
}

bool MacroRecorder::Inserting() const {
  std::lock_guard lock(mutex_);
  return inserting_;
}

int MacroRecorder::Used() const {
  std::lock_guard lock(mutex_);
  return budget_.used;
}

bool MacroRecorder::LimitReached() const {
  std::lock_guard lock(mutex_);
  return budget_.limitReached;
}

void MacroRecorder::ClearLimit() {
  std::lock_guard lock(mutex_);
  budget_.limitReached = false;
}

DelayMode MacroRecorder::ActiveMode() const { return inserting_ ? delays_.insertMode : delays_.pageMode; }

int MacroRecorder::ActiveDelayMs() const {
  return std::clamp(inserting_ ? delays_.insertDelayMs : delays_.pageDelayMs, 0, kMaxDelayRowMs);
}

void MacroRecorder::AddHeaderIfEmpty() {
  if (rows_->empty()) rows_->header = HeaderRow(delays_.pageMode, delays_.pageDelayMs);
}

std::optional<int> MacroRecorder::KeyDelay(int64_t now) const {
  if (!lastEventTime_) return std::nullopt;
  switch (ActiveMode()) {
    case DelayMode::Record:
      return static_cast<int>(std::clamp<int64_t>(now - *lastEventTime_, 0, kMaxRecordedDelayMs));
    case DelayMode::Default: return ActiveDelayMs();
    case DelayMode::None: break;
  }
  return std::nullopt;
}

// The delay rows before a mouse row as rows of at most 2040 ms; a
// zero delay adds no row.
std::vector<int> MacroRecorder::RefreshMacroMouseTime(int64_t now) const {
  std::vector<int> delays;
  const int total = KeyDelay(now).value_or(0);
  for (int q = total / kMaxDelayRowMs; q > 0; --q) delays.push_back(kMaxDelayRowMs);
  if (total % kMaxDelayRowMs > 0) delays.push_back(total % kMaxDelayRowMs);
  return delays;
}

void MacroRecorder::Place(std::string row) {
  auto& rows = rows_->rows;
  if (!inserting_) {
    rows.push_back(std::move(row));
    *selected_ = static_cast<int>(rows.size()) - 1;
    return;
  }
  const int at = side_ == InsertSide::Front ? insertAt_ : insertAt_ + 1;
  rows.insert(rows.begin() + std::min<int>(at, static_cast<int>(rows.size())), std::move(row));
  ++insertAt_;
  *selected_ = insertAt_;
}

KeyOutcome MacroRecorder::KeyboardHook1Receive(int virtualKey, KeyEventType type) {
  const std::string name = KeyNameOfVirtualKey(virtualKey);
  if (name == kIgnoredKeyName) return KeyOutcome::Ignored;
  {
    std::lock_guard lock(mutex_);
    if (!recording_) return KeyOutcome::Ignored;
    AddHeaderIfEmpty();
    const int cost = delays_.pageMode == DelayMode::None || delays_.insertMode == DelayMode::None ? 4 : 10;
    if (budget_.limitReached) return KeyOutcome::Ignored;
    if (type == KeyEventType::Repeated) {
      if (lastKey_ == virtualKey) return KeyOutcome::Ignored;  // auto-repeat
      type = KeyEventType::Pressed;
    }
    const bool press = type == KeyEventType::Pressed;
    lastKey_ = virtualKey;
    if (press ? budget_.used + cost > budget_.limit : budget_.used > budget_.limit) {
      budget_.limitReached = true;
      return KeyOutcome::Refused;
    }
    if (budget_.used < budget_.limit) {
      const int64_t now = clock_();
      const auto delay = KeyDelay(now);
      const int delayBytes = delay ? DelayBytes(*delay) : 0;
      // A long measured delay must not carry the content past its size.
      if (budget_.used + delayBytes + kKeyRowBytes > kMaxMacroEventBytes) {
        budget_.limitReached = true;
        return KeyOutcome::Refused;
      }
      if (delay) Place(DelayRow(*delay));
      if (ActiveMode() != DelayMode::None) lastEventTime_ = now;
      Place(KeyEventRow(virtualKey, name, press));
      budget_.used += delayBytes + kKeyRowBytes;
      return KeyOutcome::Recorded;
    }
  }
  Stop();  // a release at exactly the limit
  return KeyOutcome::RecordingDone;
}

void MacroRecorder::MouseHookProc(uint32_t message, int xButton) {
  if (!hookInstalled_) return;
  std::optional<MouseFlag> flag;
  switch (message) {
    case mouse_message::kLeftDown:
      if (!pointerOverButton_) flag = MouseFlag::LeftDown;
      break;
    case mouse_message::kLeftUp:
      if (!pointerOverButton_) flag = MouseFlag::LeftUp;
      break;
    case mouse_message::kRightDown: flag = MouseFlag::RightDown; break;
    case mouse_message::kRightUp: flag = MouseFlag::RightUp; break;
    case mouse_message::kMiddleDown: flag = MouseFlag::MiddleDown; break;
    case mouse_message::kMiddleUp: flag = MouseFlag::MiddleUp; break;
    case mouse_message::kExtraDown:
    case mouse_message::kExtraUp: {
      const bool down = message == mouse_message::kExtraDown;
      if (xButton == 2) flag = down ? MouseFlag::ForwardDown : MouseFlag::ForwardUp;
      if (xButton == 1) flag = down ? MouseFlag::BackwardDown : MouseFlag::BackwardUp;
      break;
    }
    default: break;
  }
  if (!flag) return;
  pending_[static_cast<int>(*flag)] = 1;
  { std::lock_guard lock(mutex_); }  // the worker is waiting or will see the flag
  wake_.notify_one();
}

bool MacroRecorder::AnyMouseEventPending() const {
  return std::any_of(pending_.begin(), pending_.end(), [](const auto& f) { return f.load() != 0; });
}

// TPThread: turns the pending mouse events into rows until it is stopped,
// and those still pending when it is.
void MacroRecorder::WorkerLoop() {
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [&] { return stopWorker_ || AnyMouseEventPending(); });
    ProcessMouseFlags();
    if (stopWorker_) return;
  }
}

void MacroRecorder::ProcessMouseFlags() {
  if (!recording_) return;
  AddHeaderIfEmpty();
  for (int i = 0; i < kMouseFlagCount; ++i) {
    if (pending_[i].exchange(0) != 0) MouseStep(static_cast<MouseFlag>(i));
  }
}

void MacroRecorder::MouseStep(MouseFlag flag) {
  const int64_t now = clock_();
  const std::vector<int> delays = RefreshMacroMouseTime(now);
  const int stepBytes = static_cast<int>(2 * delays.size()) + kButtonRowBytes;
  if (budget_.used + stepBytes > kMaxMacroEventBytes) {
    budget_.limitReached = true;  // the content is full: the event is dropped
    return;
  }
  for (int ms : delays) Place(DelayRow(ms));
  if (ActiveMode() != DelayMode::None) lastEventTime_ = now;
  const ButtonEvent event = ButtonEventOf(flag);
  Place(ButtonRow(event.press, event.button));
  budget_.used += stepBytes;
}

}  // namespace veltrax
