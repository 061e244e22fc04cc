#include "device/KeyTest.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "common/SimulatedLinkTest.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

using C = Command;

struct Step {
  int button;
  bool shown;
  int64_t atMs;
  bool pressed;
  friend bool operator==(const Step&, const Step&) = default;
};

void PrintTo(const Step& s, std::ostream* os) {
  *os << "{" << s.button << (s.shown ? " shown" : " hidden") << " @" << s.atMs << (s.pressed ? " pressed}" : "}");
}

class RecordingSink final : public BlinkSink {
 public:
  RecordingSink(const VirtualClock& clock, const std::atomic<bool>& pressed) : clock_(clock), pressed_(pressed) {}
  void SetButtonShown(int button, bool shown) override {
    steps.push_back({button, shown, clock_.NowMs(), pressed_.load()});
    if (onStep) onStep();
  }
  std::vector<Step> steps;
  std::function<void()> onStep;

 private:
  const VirtualClock& clock_;
  const std::atomic<bool>& pressed_;
};

class KeyTestTest : public test::SimulatedLinkTest {
 protected:
  // The key test begins its transaction without the status query.
  void OpenInTransaction() { SimulatedLinkTest::OpenInTransaction(Query::Skipped); }

  // The four steps of one blink of button b, starting at t.
  std::vector<Step> Blink(int b, int64_t t) const {
    return {{b, false, t, true}, {b, true, t + 500, true}, {b, false, t + 1000, true}, {b, true, t + 1500, true}};
  }

  std::atomic<bool> stop = false;
  DeviceWork work{link, clock, stop};
  std::atomic<bool> pressed = false;
  RecordingSink sink{clock, pressed};
};

TEST_F(KeyTestTest, HeldButtonsBlinkOneAfterTheOtherInBitOrder) {
  OpenInTransaction();
  // Right, left and the ninth button; bits 9 to 15 stand for no button.
  mouse.HoldButtons(0xFE00 | 0x100 | 0x004 | 0x001);
  EXPECT_EQ(PollAndBlink(work, pressed, sink), 0xFF05);
  const int64_t t = start + 10;  // the poll's own two 5 ms pauses
  std::vector<Step> expected = Blink(1, t);
  for (const Step& s : Blink(3, t + 1500)) expected.push_back(s);
  for (const Step& s : Blink(9, t + 3000)) expected.push_back(s);
  EXPECT_EQ(sink.steps, expected);
  EXPECT_FALSE(pressed);
  EXPECT_EQ(clock.NowMs(), t + 4500);
  EXPECT_EQ(mouse.CommandLog(), std::vector<C>{C::StatusQueryCmd});
}

TEST_F(KeyTestTest, NothingHeldOrNoMouseBlinksNothingAndDoesNotSpin) {
  OpenInTransaction();
  EXPECT_EQ(PollAndBlink(work, pressed, sink), 0);
  EXPECT_EQ(Elapsed(), 10);
  link.DropDevice();
  mouse.HoldButtons(0x001);
  EXPECT_EQ(PollAndBlink(work, pressed, sink), 0);
  EXPECT_EQ(Elapsed(), 20);
  EXPECT_TRUE(sink.steps.empty());
}

TEST_F(KeyTestTest, JobPollsUntilStoppedThenEndsTheTransaction) {
  ASSERT_TRUE(link.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease));
  InlineRunner runner(link, clock);
  // The left button for one poll; the stop comes at the blink's first step
  // and lets the blink end.
  mouse.HoldButtons(0x001, 1);
  sink.onStep = [&] { runner.RequestStop(); };
  ASSERT_TRUE(runner.Start(KeyTestJob(pressed, sink)));
  EXPECT_EQ(sink.steps.size(), 4u);
  EXPECT_TRUE(sink.steps.back().shown);
  EXPECT_EQ(mouse.CommandLog(),
            (std::vector<C>{C::BeginTransactionCmd, C::StatusQueryCmd, C::SystemReloadCmd, C::EndTransactionCmd}));
  EXPECT_FALSE(mouse.InTransaction());
}

TEST(KeyTestCountdownTest, CountsFiveToZeroAndRestartsOnEveryPress) {
  struct Case {
    std::vector<bool> pressed;
    std::vector<int> shown;  // -1: the button's own caption
    int endsAt;              // tick index, -1: still running
  };
  const Case cases[] = {
      {{false, false, false, false, false, false}, {5, 4, 3, 2, 1, 0}, 5},
      {{false, false, true, false, false, false, false, false, false}, {5, 4, -1, 5, 4, 3, 2, 1, 0}, 8},
      {{true, true, false, true}, {-1, -1, 5, -1}, -1},
  };
  for (const Case& c : cases) {
    KeyTestCountdown countdown;
    countdown.Start();
    for (size_t i = 0; i < c.pressed.size(); ++i) {
      const KeyTestCountdown::Tick tick = countdown.OnTimer(c.pressed[i]);
      EXPECT_EQ(tick.secondsLeft.value_or(-1), c.shown[i]) << "tick " << i;
      EXPECT_EQ(tick.ended, static_cast<int>(i) == c.endsAt) << "tick " << i;
    }
  }
  EXPECT_EQ(CountdownCaption(5), "5...");
  EXPECT_EQ(CountdownCaption(0), "0...");
}

}  // namespace
}  // namespace veltrax
