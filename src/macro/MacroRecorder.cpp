#include "macro/MacroRecorder.h"

#include <algorithm>

#include "keys/KeyCatalogue.h"
#include "macro/MacroCodec.h"
#include "macro/MacroRecord.h"

namespace veltrax {
namespace {

constexpr const char* kIgnoredKeyName = "255";
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

int DelayRowsBytes(const std::vector<int>& delays) {
  int bytes = 0;
  for (int ms : delays) bytes += DelayBytes(ms);
  return bytes;
}

bool IsPressFlag(MouseFlag flag) { return static_cast<int>(flag) % 2 == 0; }
MouseButton ButtonOf(MouseFlag flag) { return static_cast<MouseButton>(static_cast<int>(flag) / 2); }

// The length byte rows would be stored with: their event bytes and itself,
// 0 for no events.
int LengthByteOf(const MacroRowList& rows) {
  const size_t events = EncodeRowEvents(rows.rows).size();
  return events == 0 ? 0 : static_cast<int>(events) + 1;
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

void MacroRecorder::Begin(const RecorderDelays& delays, bool insert) {
  std::lock_guard lock(mutex_);
  delays_ = delays;
  inserting_ = insert;
  held_.clear();
  budget_.limitReached = false;
  lastKey_.reset();
  lastEventTime_.reset();
  for (auto& flag : pending_) flag = 0;
  recording_ = true;
  stopWorker_ = false;
  hookInstalled_ = true;
  worker_ = std::thread([this] { WorkerLoop(); });
}

void MacroRecorder::StartWhole(const RecorderDelays& delays) {
  Stop();
  {
    std::lock_guard lock(mutex_);
    rows_.clear();
    selected_ = -1;
    budget_.used = 0;
  }
  Begin(delays, false);
}

bool MacroRecorder::StartInsert(MacroRowList rows, int at, InsertSide side, const RecorderDelays& delays) {
  Stop();
  const int lengthByte = LengthByteOf(rows);
  if (at < 0 || at >= static_cast<int>(rows.rows.size()) || lengthByte >= kRecordBudgetLimit) return false;
  {
    std::lock_guard lock(mutex_);
    if (budget_.limitReached) return false;
    rows_ = std::move(rows);
    selected_ = at;
    budget_.used = lengthByte;
    side_ = side;
    insertAt_ = at;
  }
  Begin(delays, true);
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
  if (recording_) ReleaseAllHeld();
  recording_ = false;
  inserting_ = false;
  lastEventTime_.reset();
}

RecordedRows MacroRecorder::Rows() const {
  std::lock_guard lock(mutex_);
  return {rows_, selected_};
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
  return std::clamp(inserting_ ? delays_.insertDelayMs : delays_.pageDelayMs, 0, kMaxDelayPairMs);
}

void MacroRecorder::AddHeaderIfEmpty() {
  if (rows_.empty()) rows_.header = HeaderRow(delays_.pageMode, delays_.pageDelayMs);
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
  for (int q = total / kMaxDelayPairMs; q > 0; --q) delays.push_back(kMaxDelayPairMs);
  if (total % kMaxDelayPairMs > 0) delays.push_back(total % kMaxDelayPairMs);
  return delays;
}

void MacroRecorder::Place(std::string row) {
  auto& rows = rows_.rows;
  if (!inserting_) {
    rows.push_back(std::move(row));
    selected_ = static_cast<int>(rows.size()) - 1;
    return;
  }
  const int at = side_ == InsertSide::Front ? insertAt_ : insertAt_ + 1;
  rows.insert(rows.begin() + std::min<int>(at, static_cast<int>(rows.size())), std::move(row));
  ++insertAt_;
  selected_ = insertAt_;
}

bool MacroRecorder::IsHeld(const HeldEvent& event) const {
  return std::find(held_.begin(), held_.end(), event) != held_.end();
}

int MacroRecorder::Room() const {
  int held = 0;
  for (const HeldEvent& event : held_) held += event.bytes;
  return kMaxMacroEventBytes - budget_.used - held;
}

void MacroRecorder::Append(const std::vector<int>& delays, const std::string& row, int rowBytes, int64_t now) {
  for (int ms : delays) Place(DelayRow(ms));
  Place(row);
  budget_.used += DelayRowsBytes(delays) + rowBytes;
  if (ActiveMode() != DelayMode::None) lastEventTime_ = now;
}

// A press needs room for its delay, itself and, unless it is held already,
// its own release.
bool MacroRecorder::RecordPress(const HeldEvent& event, const std::vector<int>& delays, int64_t now) {
  const bool held = IsHeld(event);
  if (DelayRowsBytes(delays) + event.bytes + (held ? 0 : event.bytes) > Room()) {
    budget_.limitReached = true;
    return false;
  }
  Append(delays, event.pressRow, event.bytes, now);
  if (!held) held_.push_back(event);
  return true;
}

// The release's own bytes were set aside at its press; its delay comes
// along only when it fits.
void MacroRecorder::RecordHeldRelease(const HeldEvent& event, std::vector<int> delays, int64_t now) {
  held_.erase(std::find(held_.begin(), held_.end(), event));
  if (DelayRowsBytes(delays) + event.bytes > Room()) delays.clear();
  Append(delays, event.releaseRow, event.bytes, now);
}

// A release of something not held (pressed before the recording began).
bool MacroRecorder::RecordLooseRelease(const HeldEvent& event, const std::vector<int>& delays, int64_t now) {
  if (DelayRowsBytes(delays) + event.bytes > Room()) {
    budget_.limitReached = true;
    return false;
  }
  Append(delays, event.releaseRow, event.bytes, now);
  return true;
}

void MacroRecorder::ReleaseAllHeld() {
  while (!held_.empty()) {
    const HeldEvent event = held_.back();
    held_.pop_back();
    Place(event.releaseRow);
    budget_.used += event.bytes;
  }
}

KeyOutcome MacroRecorder::KeyboardHook1Receive(int virtualKey, KeyEventType type) {
  const std::string name = KeyNameOfVirtualKey(virtualKey);
  if (name == kIgnoredKeyName) return KeyOutcome::Ignored;
  {
    std::lock_guard lock(mutex_);
    if (!recording_) return KeyOutcome::Ignored;
    // Button events noted before this key come first, whether or not the
    // worker has got to them yet.
    ProcessMouseFlags();
    AddHeaderIfEmpty();
    const int cost = delays_.pageMode == DelayMode::None || delays_.insertMode == DelayMode::None ? 4 : 10;
    if (type == KeyEventType::Repeated) {
      if (lastKey_ == virtualKey) return KeyOutcome::Ignored;  // auto-repeat
      type = KeyEventType::Pressed;
    }
    const bool press = type == KeyEventType::Pressed;
    const HeldEvent event{false, virtualKey, KeyEventRow(virtualKey, name, true), KeyEventRow(virtualKey, name, false),
                          kKeyRowBytes};
    const bool held = IsHeld(event);
    // Once the limit is reached only the releases of held keys still count.
    if (budget_.limitReached && (press || !held)) return KeyOutcome::Ignored;
    lastKey_ = virtualKey;
    const int64_t now = clock_();
    std::vector<int> delays;
    if (auto delay = KeyDelay(now)) delays.push_back(*delay);
    if (press) {
      if (budget_.used + cost > budget_.limit) {
        budget_.limitReached = true;
        return KeyOutcome::Refused;
      }
      return RecordPress(event, delays, now) ? KeyOutcome::Recorded : KeyOutcome::Refused;
    }
    if (held) {
      RecordHeldRelease(event, delays, now);
      return KeyOutcome::Recorded;
    }
    if (budget_.used > budget_.limit) {
      budget_.limitReached = true;
      return KeyOutcome::Refused;
    }
    if (budget_.used < budget_.limit) {
      return RecordLooseRelease(event, delays, now) ? KeyOutcome::Recorded : KeyOutcome::Refused;
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

// Mouse rows are held to the size of a content rather than to the key
// budget; once the limit is reached only releases of held buttons count.
void MacroRecorder::MouseStep(MouseFlag flag) {
  const MouseButton button = ButtonOf(flag);
  const HeldEvent event{true, static_cast<int>(button), ButtonRow(true, button), ButtonRow(false, button),
                        kButtonRowBytes};
  const bool held = IsHeld(event);
  if (budget_.limitReached && (IsPressFlag(flag) || !held)) return;
  const int64_t now = clock_();
  const std::vector<int> delays = RefreshMacroMouseTime(now);
  if (IsPressFlag(flag)) {
    RecordPress(event, delays, now);
  } else if (held) {
    RecordHeldRelease(event, delays, now);
  } else {
    RecordLooseRelease(event, delays, now);
  }
}

}  // namespace veltrax
