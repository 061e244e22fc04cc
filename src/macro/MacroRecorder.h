#pragma once
// Turns key and mouse-button events of a recording into macro rows, with
// the delays between them measured, fixed or left out, within the byte
// budget of a macro content. Key events arrive on the user-interface
// thread; mouse events are flags that a worker thread turns into rows. One
// step (the delay rows, the event row and the byte count) is taken under
// one lock, so the two sources never interleave inside a step.

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
// recording and at the content's length byte for an insert recording.
struct RecordBudget {
  int limit = kRecordBudgetLimit;
  int used = 0;
  bool limitReached = false;
};

// One flag per mouse event, set by the hook and cleared by the worker.
using PendingMouseEvents = std::array<std::atomic<uint8_t>, kMouseFlagCount>;
constexpr int kMaxRecordedDelayMs = 10200;

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

  // A whole recording: rows are cleared and filled from the end; selected
  // follows the last row.
  void StartWhole(MacroRowList& rows, int& selected, const RecorderDelays& delays);
  // An insert recording before or after row `at`, with the budget starting
  // at the content's length byte. Refused (false) without a row at `at` or
  // when the budget is already used up.
  bool StartInsert(MacroRowList& rows, int& selected, int at, InsertSide side, int lengthByte,
                   const RecorderDelays& delays);
  // Ends the recording; waits for the worker, which first turns the mouse
  // events still pending into rows.
  void Stop();

  bool Recording() const;
  bool Inserting() const;
  int Used() const;
  bool LimitReached() const;
  void ClearLimit();

  // KeyboardHook1Receive.
  KeyOutcome KeyboardHook1Receive(int virtualKey, KeyEventType type);
  // MouseHookProc: notes a button message; xButton is the high word of the
  // mouse data (1 first extra button, 2 second). Left-button messages are
  // not noted while the pointer is over a recording button.
  void MouseHookProc(uint32_t message, int xButton = 0);
  void SetPointerOverButton(bool over) { pointerOverButton_ = over; }
  bool MouseEventPending(MouseFlag flag) const { return pending_[static_cast<int>(flag)].load() != 0; }

  // Reads the rows while a recording may append to them.
  template <class F>
  void WithRows(F&& read) const {
    std::lock_guard lock(mutex_);
    read(*rows_, *selected_);
  }

 private:
  void Begin(MacroRowList& rows, int& selected, const RecorderDelays& delays, bool insert);
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

  Clock clock_;
  mutable std::mutex mutex_;
  MacroRowList emptyRows_;
  int noSelection_ = -1;
  MacroRowList* rows_ = &emptyRows_;
  int* selected_ = &noSelection_;
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
