#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "device/ConnectionWatch.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

// The simulated mouse's interfaces, with interface counts that can be
// scripted to disagree.
class ScriptedCounts final : public HidTransport {
 public:
  explicit ScriptedCounts(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::vector<HidInterfaceInfo> Enumerate() override { return mouse_.Enumerate(); }
  OpenResult Open(const std::string& path) override { return mouse_.Open(path); }
  int CountOpenable() override {
    if (counts.empty()) return mouse_.CountOpenable();
    const int next = counts.front();
    counts.pop_front();
    return next;
  }
  std::deque<int> counts;

 private:
  SimulatedMouse& mouse_;
};

struct Listener final : WatchListener {
  std::vector<std::string> calls;
  std::function<void()> onMessages;
  void MouseOpened() override { calls.push_back("opened"); }
  void MouseLost() override { calls.push_back("lost"); }
  void ProcessMessages() override {
    if (onMessages) onMessages();
  }
};

class WatchTest : public ::testing::Test {
 protected:
  SimulatedMouse mouse;
  ScriptedCounts transport{mouse};
  VirtualClock clock;
  DeviceLink link{transport, clock};
  Listener listener;
  ConnectionWatch watch{link, clock, listener};
};

TEST_F(WatchTest, FirstTickFindsThePresentMouseAfterTheWait) {
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(link.VendorId(), kServedVendorId);
  EXPECT_EQ(clock.NowMs(), 2100);
  EXPECT_EQ(watch.PreviousCount(), 3);
  watch.DevTimerTimer();  // unchanged count: nothing
  EXPECT_EQ(listener.calls.size(), 1U);
}

TEST_F(WatchTest, NoMouseAmongOtherDevicesIsLostOnce) {
  mouse.Unplug();
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"lost"});
  EXPECT_FALSE(link.IsOpen());
}

TEST_F(WatchTest, AnotherDeviceGoingAwayKeepsTheMouse) {
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  mouse.Faults().extraInterfaces = 1;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_TRUE(link.IsOpen());
  EXPECT_EQ(watch.PreviousCount(), 2);
  // and another arriving neither reopens nor re-reads it
  mouse.Faults().extraInterfaces = 3;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_EQ(watch.PreviousCount(), 4);
}

TEST_F(WatchTest, UnpluggedMouseIsLostAndDropped) {
  mouse.Faults().extraInterfaces = 1;
  watch.DevTimerTimer();
  mouse.Unplug();
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, (std::vector<std::string>{"opened", "lost"}));
  EXPECT_FALSE(link.IsOpen());
  EXPECT_EQ(link.VendorId(), 0U);
  mouse.Plug();
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls.back(), "opened");
}

TEST_F(WatchTest, ReplacedMouseHandleCountsAsLost) {
  mouse.Faults().extraInterfaces = 1;
  watch.DevTimerTimer();
  // unplugged and plugged again between ticks, while another device left
  mouse.Unplug();
  mouse.Plug();
  mouse.Faults().extraInterfaces = 0;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, (std::vector<std::string>{"opened", "lost"}));
}

TEST_F(WatchTest, DisagreeingCountsDoNothing) {
  // five passes, only one of them stable
  transport.counts = {1, 2, 1, 2, 3, 3, 1, 2, 1, 2};
  watch.DevTimerTimer();
  EXPECT_TRUE(listener.calls.empty());
  EXPECT_EQ(watch.PreviousCount(), 0);
  // two stable passes are enough; the sample is the fifth pass's first count
  transport.counts = {1, 2, 1, 1, 1, 2, 5, 5, 1, 2};
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_EQ(watch.PreviousCount(), 1);
}

TEST_F(WatchTest, TickDuringTheWaitReturnsAtOnce) {
  int nested = 0;
  listener.onMessages = [&] {
    EXPECT_TRUE(watch.Busy());
    ++nested;
    watch.DevTimerTimer();
  };
  watch.DevTimerTimer();
  EXPECT_EQ(nested, 21);
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_FALSE(watch.Busy());
}

TEST_F(WatchTest, EmptyCandidateIsNeverSearched) {
  watch.Candidates()[0] = {kServedVendorId, 0};
  watch.DevTimerTimer();
  EXPECT_TRUE(listener.calls.empty());
  EXPECT_EQ(clock.NowMs(), 0);
}

}  // namespace
}  // namespace veltrax
