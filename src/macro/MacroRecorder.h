#pragma once
// Turns key and mouse-button events of a recording into macro rows, with
// the delays between them measured, fixed or left out, within the byte
// budget of a macro content. Key events arrive on the user-interface
// thread; mouse events are flags that a worker thread turns into rows. The
// recorder owns the rows while it records and hands out copies; one step
// (the delay rows, the event row and the byte count) is taken under one
// lock, so the two sources never interleave inside a step.
//
// A recorded macro never leaves a key or button held: a press is recorded
// only while the content keeps room for the releases of everything held,
// itself included; a release of something held is always recorded (without
// its delay when that would not fit); and stopping releases whatever is
// still held.

#include <array>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "macro/MacroRow.h"

namespace veltrax {

// The pending mouse events, in the fixed order the worker examines them.
enum class MouseFlag {
  LeftDown, LeftUp, RightDown, RightUp, MiddleDown, MiddleUp, ForwardDown, ForwardUp, BackwardDown, BackwardUp,
};
constexpr int kMouseFlagCount = 10;

// Button messages of the system-wide mouse capture.
namespace mouse_message {
constexpr uint32_t kLeftDown = 0x201;
constexpr uint32_t kLeftUp = 0x202;
constexpr uint32_t kRightDown = 0x204;
constexpr uint32_t kRightUp = 0x205;
constexpr uint32_t kMiddleDown = 0x207;
constexpr uint32_t kMiddleUp = 0x208;
constexpr uint32_t kExtraDown = 0x20B;
constexpr uint32_t kExtraUp = 0x20C;
}  // namespace mouse_message

// 0 pressed (first key-down after all keys were up), 1 released, 2 repeated
// (a further key-down while a key is held).
enum class KeyEventType { Pressed = 0, Released = 1, Repeated = 2 };

// The keyboard capture's one down count for all keys: every key-down
// increments it, every key-up sets it to 0.
class KeyDownCounter {
 public:
  struct Event {
    int downCount;
    KeyEventType type;
  };
  Event OnKeyMessage(bool down);

 private:
  int downCount_ = 0;
};

enum class InsertSide { Front, Back };

// The delay options of the macro page (whole recording) and of the insert
// panel (insert recording).
struct RecorderDelays {
  DelayMode pageMode = DelayMode::Record;
  int pageDelayMs = 2;
  DelayMode insertMode = DelayMode::Record;
  int insertDelayMs = 50;
};

constexpr int kRecordBudgetLimit = 220;

// The bytes a recording may still add; used starts at 0 for a whole
// recording and, for an insert recording, at the length byte the rows it
// records into would be stored with.
struct RecordBudget {
  int limit = kRecordBudgetLimit;
  int used = 0;
  bool limitReached = false;
};

// One flag per mouse event, set by the hook and cleared by the worker.
using PendingMouseEvents = std::array<std::atomic<uint8_t>, kMouseFlagCount>;
constexpr int kMaxRecordedDelayMs = 10200;

// The rows of a recording and the row selected in them.
struct RecordedRows {
  MacroRowList rows;
  int selected = -1;
};

enum class KeyOutcome {
  Ignored,        // no row: the key is ignored, an auto-repeat, or the limit was reached before
  Recorded,
  Refused,        // did not fit: the limit is now reached, later keys add nothing
  RecordingDone,  // a release at the limit stopped the recording; the caller finishes it
};

class MacroRecorder {
 public:
  using Clock = std::function<int64_t()>;  // millisecond tick
  explicit MacroRecorder(Clock clock);
  ~MacroRecorder();
  MacroRecorder(const MacroRecorder&) = delete;
  MacroRecorder& operator=(const MacroRecorder&) = delete;

  // A whole recording: the rows start empty and are filled from the end;
  // the selection follows the last row.
  void StartWhole(const RecorderDelays& delays);
  // An insert recording into `rows` before or after row `at`. The budget
  // starts at the length byte these rows would be stored with, so rows that
  // an earlier insert recording added and that are not stored yet count too.
  // Refused (false) without a row at `at`, when the budget is already used
  // up or while the limit-reached flag is set.
  bool StartInsert(MacroRowList rows, int at, InsertSide side, const RecorderDelays& delays);
  // Ends the recording; waits for the worker, which first turns the mouse
  // events still pending into rows, then releases whatever is still held.
  void Stop();

  // A copy of the rows, safe to take while a recording appends to them.
  RecordedRows Rows() const;

  bool Recording() const;
  bool Inserting() const;
  int Used() const;
  bool LimitReached() const;
  void ClearLimit();

  // KeyboardHook1Receive. Button events noted before it are turned into
  // rows first, so the rows keep the order in which things happened.
  KeyOutcome KeyboardHook1Receive(int virtualKey, KeyEventType type);
  // MouseHookProc: notes a button message; xButton is the high word of the
  // mouse data (1 first extra button, 2 second). Left-button messages are
  // not noted while the pointer is over a recording button.
  void MouseHookProc(uint32_t message, int xButton = 0);
  void SetPointerOverButton(bool over) { pointerOverButton_ = over; }
  bool MouseEventPending(MouseFlag flag) const { return pending_[static_cast<int>(flag)].load() != 0; }

 private:
  // A key or button whose press is recorded and whose release is not yet.
  struct HeldEvent {
    bool button = false;
    int code = 0;  // the virtual key, or the MouseButton
    std::string pressRow;
    std::string releaseRow;
    int bytes = 0;  // of one row
    bool operator==(const HeldEvent& other) const { return button == other.button && code == other.code; }
  };

  void Begin(const RecorderDelays& delays, bool insert);
  void WorkerLoop();
  bool AnyMouseEventPending() const;
  void ProcessMouseFlags();
  void MouseStep(MouseFlag flag);
  void AddHeaderIfEmpty();
  DelayMode ActiveMode() const;
  int ActiveDelayMs() const;
  std::optional<int> KeyDelay(int64_t now) const;
  std::vector<int> RefreshMacroMouseTime(int64_t now) const;
  void Place(std::string row);

  bool IsHeld(const HeldEvent& event) const;
  // Event bytes left once the releases of everything held are set aside.
  int Room() const;
  void Append(const std::vector<int>& delays, const std::string& row, int rowBytes, int64_t now);
  bool RecordPress(const HeldEvent& event, const std::vector<int>& delays, int64_t now);
  void RecordHeldRelease(const HeldEvent& event, std::vector<int> delays, int64_t now);
  bool RecordLooseRelease(const HeldEvent& event, const std::vector<int>& delays, int64_t now);
  void ReleaseAllHeld();

  Clock clock_;
  mutable std::mutex mutex_;
  MacroRowList rows_;
  int selected_ = -1;
  std::vector<HeldEvent> held_;  // in the order of their presses
  RecorderDelays delays_;
  bool recording_ = false;
  bool inserting_ = false;
  InsertSide side_ = InsertSide::Front;
  int insertAt_ = 0;
  RecordBudget budget_;
  std::optional<int> lastKey_;
  std::optional<int64_t> lastEventTime_;

  PendingMouseEvents pending_{};
  std::atomic<bool> pointerOverButton_ = false;
  std::atomic<bool> hookInstalled_ = false;
  std::condition_variable wake_;
  bool stopWorker_ = false;
  std::thread worker_;
};

}  // namespace veltrax
