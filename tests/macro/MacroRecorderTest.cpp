#include "macro/MacroRecorder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <thread>

#include "macro/MacroCodec.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

constexpr int kA = 0x41, kB = 0x42, kC = 0x43;
const std::string A1 = KeyRow(true, "A", 0x04), A0 = KeyRow(false, "A", 0x04);
const std::string B1 = KeyRow(true, "B", 0x05), B0 = KeyRow(false, "B", 0x05);
const std::string C0 = KeyRow(false, "C", 0x06);
const std::string Left1 = ButtonRow(true, MouseButton::Left), Left0 = ButtonRow(false, MouseButton::Left);

class MacroRecorderTest : public ::testing::Test {
 protected:
  void Start(DelayMode mode, int defaultDelay = 2) {
    RecorderDelays delays;
    delays.pageMode = mode;
    delays.pageDelayMs = defaultDelay;
    recorder_.StartWhole(delays);
  }
  KeyOutcome Key(int vk, KeyEventType type) { return recorder_.KeyboardHook1Receive(vk, type); }
  void Stroke(int vk) {
    Key(vk, KeyEventType::Pressed);
    Key(vk, KeyEventType::Released);
  }
  // A button message, waited for until the worker has turned it into rows.
  void Mouse(uint32_t message, MouseFlag flag, int xButton = 0) {
    recorder_.MouseHookProc(message, xButton);
    while (recorder_.MouseEventPending(flag)) std::this_thread::yield();
    (void)recorder_.Used();  // the worker's step has ended
  }
  void Click() {
    Mouse(mouse_message::kLeftDown, MouseFlag::LeftDown);
    Mouse(mouse_message::kLeftUp, MouseFlag::LeftUp);
  }
  std::vector<std::string> Rows() const { return recorder_.Rows().rows.rows; }

  std::atomic<int64_t> now_ = 5000;
  MacroRecorder recorder_{[this] { return now_.load(); }};
};

// The keys and buttons a macro leaves held when it has played to its end.
std::vector<std::string> HeldAtTheEnd(const std::vector<std::string>& rows) {
  std::vector<std::string> held;
  for (const std::string& row : rows) {
    const std::string name = KeyNameOfRow(row);
    if (RowTypeOf(row) == RowType::kPress && std::find(held.begin(), held.end(), name) == held.end()) {
      held.push_back(name);
    }
    if (RowTypeOf(row) == RowType::kRelease) std::erase(held, name);
  }
  return held;
}

TEST_F(MacroRecorderTest, RecordDelayMeasuresTheTimeBetweenEvents) {
  Start(DelayMode::Record);
  Key(kA, KeyEventType::Pressed);  // the first event gets no delay
  EXPECT_EQ(recorder_.Used(), 2);
  now_ += 3000;
  Key(kA, KeyEventType::Released);
  EXPECT_EQ(recorder_.Used(), 2 + 4 + 2);
  now_ += 3000;
  Click();
  EXPECT_EQ(recorder_.Used(), 8 + 4 + 1 + 1);
  now_ += 20000;
  Key(kB, KeyEventType::Pressed);
  now_ += 100;
  Key(kB, KeyEventType::Released);
  recorder_.Stop();
  const RecordedRows recorded = recorder_.Rows();
  EXPECT_EQ(recorded.rows.header, "10");
  EXPECT_THAT(recorded.rows.rows, ElementsAre(A1, DelayRow(3000), A0, DelayRow(2040), DelayRow(960), Left1, Left0,
                                              DelayRow(10200), B1, DelayRow(100), B0));
  EXPECT_EQ(recorded.selected, 10);
  EXPECT_THAT(EncodeRowEvents({DelayRow(3000)}), ElementsAre(0xFE, 0xFF, 0xFE, 0x78));
  EXPECT_EQ(EncodeRowEvents(recorded.rows.rows).size(), static_cast<size_t>(recorder_.Used()));
}

TEST_F(MacroRecorderTest, DefaultDelayPutsTheFieldValueBeforeEveryLaterEvent) {
  Start(DelayMode::Default, 48);
  Stroke(kA);
  Click();
  recorder_.Stop();
  EXPECT_EQ(recorder_.Rows().rows.header, "0148");
  EXPECT_THAT(Rows(), ElementsAre(A1, DelayRow(48), A0, DelayRow(48), Left1, DelayRow(48), Left0));
}

TEST_F(MacroRecorderTest, HeldAndOverlappingKeysFollowTheDownCount) {
  Start(DelayMode::None);
  KeyDownCounter counter;
  auto message = [&](int vk, bool down) { Key(vk, counter.OnKeyMessage(down).type); };
  message(kA, true);
  message(kA, true);  // auto-repeat of A: ignored
  message(kA, true);
  message(kB, true);  // B while A is held arrives repeated, and is not the last key
  message(kA, false);
  message(kB, true);  // B's next auto-repeat comes as a press again
  message(kB, false);
  recorder_.Stop();
  EXPECT_EQ(recorder_.Rows().rows.header, "00");
  EXPECT_THAT(Rows(), ElementsAre(A1, B1, A0, B1, B0));
}

TEST_F(MacroRecorderTest, ModifiersAndUnknownKeysMakeTheirRows) {
  Start(DelayMode::None);
  EXPECT_EQ(Key(0xFF, KeyEventType::Pressed), KeyOutcome::Ignored);  // "255"
  Key(0x11, KeyEventType::Pressed);
  Key(0x5C, KeyEventType::Pressed);
  Key(0x5F, KeyEventType::Pressed);  // outside the catalogue
  Mouse(mouse_message::kExtraDown, MouseFlag::ForwardDown, 2);
  Mouse(mouse_message::kExtraUp, MouseFlag::BackwardUp, 1);
  Key(0x11, KeyEventType::Released);
  Key(0x5C, KeyEventType::Released);
  Key(0x5F, KeyEventType::Released);
  Mouse(mouse_message::kExtraUp, MouseFlag::ForwardUp, 2);
  recorder_.Stop();
  EXPECT_THAT(Rows(), ElementsAre("1 Ctrl CODE:8101", "1 Right Windows CODE:8180", "1 None CODE:8200",
                                  "1 Forward CODE:00A8", "2 Backward CODE:0030", "2 Ctrl CODE:0101",
                                  "2 Right Windows CODE:0180", "2 None CODE:0200", "2 Forward CODE:0028"));
}

TEST_F(MacroRecorderTest, NoDelayFillsTheBudgetWithFiftyFivePairs) {
  Start(DelayMode::None);
  for (int i = 0; i < 55; ++i) Stroke(kA);
  EXPECT_EQ(recorder_.Used(), 220);
  EXPECT_EQ(Key(kB, KeyEventType::Pressed), KeyOutcome::Refused);
  EXPECT_TRUE(recorder_.LimitReached());
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::Ignored);
  EXPECT_TRUE(recorder_.Recording());
  recorder_.Stop();
  EXPECT_EQ(Rows().size(), 110u);
}

TEST_F(MacroRecorderTest, AReleaseAtExactlyTheLimitStopsTheRecording) {
  Start(DelayMode::None);
  Key(kB, KeyEventType::Pressed);
  for (int i = 0; i < 54; ++i) Stroke(kA);
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::Recorded);  // 220 bytes
  EXPECT_EQ(Key(kA, KeyEventType::Released), KeyOutcome::RecordingDone);
  EXPECT_FALSE(recorder_.Recording());
  EXPECT_EQ(Rows().size(), 110u);
}

TEST_F(MacroRecorderTest, WithADelayModeAPressIsRefusedOnceUsedExceeds210) {
  Start(DelayMode::Default, 8);
  Key(kA, KeyEventType::Pressed);
  while (recorder_.Used() < 210) Key(kA, KeyEventType::Released);  // 4 bytes each
  EXPECT_EQ(recorder_.Used(), 210);
  EXPECT_EQ(Key(kB, KeyEventType::Pressed), KeyOutcome::Recorded);
  EXPECT_EQ(Key(kA, KeyEventType::Pressed), KeyOutcome::Refused);
  recorder_.Stop();
  EXPECT_LE(EncodeRowEvents(Rows()).size(), 221u);
  EXPECT_THAT(HeldAtTheEnd(Rows()), ElementsAre());
}

TEST_F(MacroRecorderTest, ALongMeasuredDelayNeverCarriesTheContentPastItsSize) {
  Start(DelayMode::Record);
  Key(kA, KeyEventType::Pressed);
  while (recorder_.Used() < 210) Key(kA, KeyEventType::Released);  // 0 ms delays: 4 bytes each
  now_ += 10200;  // the press would add 10 + 2 bytes
  EXPECT_EQ(Key(kB, KeyEventType::Pressed), KeyOutcome::Refused);
  EXPECT_EQ(recorder_.Used(), 210);
  recorder_.Stop();
  EXPECT_EQ(EncodeRowEvents(Rows()).size(), 210u);
}

// A click whose release would not fit is not begun; the release of a
// refused press is not recorded either.
TEST_F(MacroRecorderTest, MouseRowsStopAtTheSizeOfAContent) {
  Start(DelayMode::None);
  for (int i = 0; i < 120; ++i) Click();
  recorder_.Stop();
  EXPECT_EQ(Rows().size(), 220u);
  EXPECT_TRUE(EncodeMacroRows(recorder_.Rows().rows, 0));
  EXPECT_THAT(HeldAtTheEnd(Rows()), ElementsAre());
}

// Near the end of the budget a release whose measured delay would not fit
// is recorded without it: the key is not left held for the rest of the
// macro.
TEST_F(MacroRecorderTest, AReleaseIsKeptWhenItsDelayWouldNotFit) {
  Start(DelayMode::Record);
  Key(kA, KeyEventType::Pressed);
  while (recorder_.Used() < 206) Key(kA, KeyEventType::Released);  // 0 ms delays: 4 bytes each
  EXPECT_EQ(Key(kB, KeyEventType::Pressed), KeyOutcome::Recorded);
  now_ += 9000;  // the delay row would take 10 bytes
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::Recorded);
  recorder_.Stop();
  const auto rows = Rows();
  EXPECT_THAT(std::vector(rows.end() - 3, rows.end()), ElementsAre(DelayRow(0), B1, B0));
  EXPECT_THAT(HeldAtTheEnd(rows), ElementsAre());
  EXPECT_LE(EncodeRowEvents(rows).size(), 221u);
}

// A press is recorded only while the content keeps room for the releases
// of everything held, its own included.
TEST_F(MacroRecorderTest, PressesKeepRoomForTheReleasesOfEverythingHeld) {
  Start(DelayMode::None);
  Key(kB, KeyEventType::Pressed);
  Key(kC, KeyEventType::Pressed);
  while (recorder_.Used() < 216) Stroke(kA);
  EXPECT_EQ(Key(kA, KeyEventType::Pressed), KeyOutcome::Refused);  // 216 + 4 fits the budget, not the releases
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::Recorded);
  EXPECT_EQ(Key(kC, KeyEventType::Released), KeyOutcome::Recorded);
  EXPECT_EQ(recorder_.Used(), 220);
  recorder_.Stop();
  const auto rows = Rows();
  EXPECT_THAT(std::vector(rows.end() - 3, rows.end()), ElementsAre(A0, B0, C0));
  EXPECT_THAT(HeldAtTheEnd(rows), ElementsAre());
}

// Stop, and the automatic stop, release what is still held, the last
// pressed first; whole and insert recordings alike.
TEST_F(MacroRecorderTest, StoppingReleasesWhatIsStillHeld) {
  const std::string Right0 = ButtonRow(false, MouseButton::Right);
  for (bool insert : {false, true}) {
    RecorderDelays delays;
    delays.pageMode = delays.insertMode = DelayMode::None;
    if (insert) {
      ASSERT_TRUE(recorder_.StartInsert({"00", {XRow(1), XRow(2)}}, 0, InsertSide::Back, delays));
    } else {
      recorder_.StartWhole(delays);
    }
    Key(kA, KeyEventType::Pressed);
    Mouse(mouse_message::kRightDown, MouseFlag::RightDown);
    Key(kB, KeyEventType::Repeated);  // pressed while A is held
    recorder_.Stop();
    const std::vector<std::string> made = {A1, ButtonRow(true, MouseButton::Right), B1, B0, Right0, A0};
    if (insert) {
      std::vector<std::string> expected = {XRow(1)};
      expected.insert(expected.end(), made.begin(), made.end());
      expected.push_back(XRow(2));
      EXPECT_EQ(Rows(), expected);
    } else {
      EXPECT_EQ(Rows(), made);
    }
  }

  Start(DelayMode::None);  // the automatic stop at a release at the limit
  Mouse(mouse_message::kMiddleDown, MouseFlag::MiddleDown);
  Mouse(mouse_message::kRightUp, MouseFlag::RightUp);  // one byte: a release of a button not held
  while (recorder_.Used() < 218) Stroke(kA);
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::Recorded);
  EXPECT_EQ(Key(kB, KeyEventType::Released), KeyOutcome::RecordingDone);
  EXPECT_EQ(recorder_.Used(), 221);
  EXPECT_EQ(Rows().back(), ButtonRow(false, MouseButton::Middle));
  EXPECT_THAT(HeldAtTheEnd(Rows()), ElementsAre());
}

TEST_F(MacroRecorderTest, LeftClicksOnARecordingButtonAreNotRecorded) {
  Start(DelayMode::None);
  recorder_.SetPointerOverButton(true);
  recorder_.MouseHookProc(mouse_message::kLeftDown);
  recorder_.MouseHookProc(mouse_message::kLeftUp);
  Mouse(mouse_message::kRightDown, MouseFlag::RightDown);
  recorder_.SetPointerOverButton(false);
  recorder_.Stop();
  EXPECT_THAT(Rows(), ElementsAre("1 RightKey CODE:00A2", "2 RightKey CODE:0022"));  // released at Stop
}

TEST_F(MacroRecorderTest, AKeyAfterAClickComesAfterTheClicksRows) {
  Start(DelayMode::None);
  // Noted, and the key follows before the worker may have looked.
  recorder_.MouseHookProc(mouse_message::kRightDown);
  recorder_.MouseHookProc(mouse_message::kRightUp);
  Stroke(kA);
  recorder_.Stop();
  EXPECT_THAT(Rows(), ElementsAre("1 RightKey CODE:00A2", "2 RightKey CODE:0022", A1, A0));
}

TEST_F(MacroRecorderTest, InsertRecordingsPlaceRowsBeforeOrAfterTheSelectedRow) {
  const std::vector<std::string> macro = {"0 8", B1, "0 8", B0, XRow(1)};
  RecorderDelays delays;
  delays.insertMode = DelayMode::None;
  for (InsertSide side : {InsertSide::Front, InsertSide::Back}) {
    ASSERT_TRUE(recorder_.StartInsert({"10", macro}, 3, side, delays));
    EXPECT_EQ(recorder_.Used(), 11);  // the length byte of the rows handed in
    Stroke(kA);
    recorder_.Stop();
    const RecordedRows recorded = recorder_.Rows();
    if (side == InsertSide::Front) {
      EXPECT_THAT(recorded.rows.rows, ElementsAre("0 8", B1, "0 8", A1, A0, B0, XRow(1)));
    } else {
      EXPECT_THAT(recorded.rows.rows, ElementsAre("0 8", B1, "0 8", B0, A1, A0, XRow(1)));
    }
    EXPECT_EQ(recorded.selected, 5);
  }
  EXPECT_FALSE(recorder_.StartInsert({"10", macro}, 5, InsertSide::Back, delays));  // no row 5
  std::vector<std::string> full;
  for (int i = 0; i < 219; ++i) full.push_back(ButtonRow(true, MouseButton::Left));
  EXPECT_FALSE(recorder_.StartInsert({"10", full}, 0, InsertSide::Back, delays));  // length byte 220: full
}

// The keyboard side and the mouse worker append from two threads; every
// step must stay whole: with Default Delay each event but the first has
// exactly its own delay row right before it.
TEST_F(MacroRecorderTest, KeyAndMouseStepsFromTwoThreadsNeverInterleave) {
  Start(DelayMode::Default, 16);
  std::thread keys([&] {
    for (int i = 0; i < 10; ++i) Stroke(kA + i % 3);
  });
  std::thread mouse([&] {
    for (int i = 0; i < 10; ++i) {
      Mouse(mouse_message::kRightDown, MouseFlag::RightDown);
      Mouse(mouse_message::kRightUp, MouseFlag::RightUp);
    }
  });
  keys.join();
  mouse.join();
  recorder_.Stop();

  const auto rows = Rows();
  ASSERT_EQ(rows.size(), 2u * 40 - 1);
  EXPECT_NE(RowTypeOf(rows[0]), RowType::kDelay);
  int keyRows = 0, mouseRows = 0;
  for (size_t i = 1; i < rows.size(); i += 2) {
    EXPECT_EQ(rows[i], DelayRow(16)) << i;
    EXPECT_NE(RowTypeOf(rows[i + 1]), RowType::kDelay) << i;
  }
  for (const auto& row : rows) {
    if (row.find("RightKey") != std::string::npos) ++mouseRows;
    if (row.find(" CODE:8") != std::string::npos || row.find(" CODE:02") != std::string::npos) ++keyRows;
  }
  EXPECT_EQ(keyRows, 20);
  EXPECT_EQ(mouseRows, 20);
  EXPECT_EQ(EncodeRowEvents(rows).size(), static_cast<size_t>(recorder_.Used()));
}

}  // namespace
}  // namespace veltrax
