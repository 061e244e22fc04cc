#include <gtest/gtest.h>

#include <deque>
#include <functional>

#include "common/HookedClock.h"
#include "device/ConnectionWatch.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

// A handle that counts the feature requests made through it.
class CountingDevice final : public HidDevice {
 public:
  CountingDevice(std::unique_ptr<HidDevice> inner, int& requests) : inner_(std::move(inner)), requests_(requests) {}
  bool SetFeature(std::span<const uint8_t> report) override { return ++requests_, inner_->SetFeature(report); }
  bool GetFeature(std::span<uint8_t> report) override { return ++requests_, inner_->GetFeature(report); }
  bool Present() override { return inner_->Present(); }

 private:
  std::unique_ptr<HidDevice> inner_;
  int& requests_;
};

// The simulated mouse's interfaces, with interface counts that can be
// scripted to disagree, and a count of the feature requests made.
class ScriptedCounts final : public HidTransport {
 public:
  explicit ScriptedCounts(SimulatedMouse& mouse) : mouse_(mouse) {}
  std::vector<HidInterfaceInfo> Enumerate() override { return mouse_.Enumerate(); }
  OpenResult Open(const std::string& path) override {
    OpenResult opened = mouse_.Open(path);
    if (opened.device) opened.device = std::make_unique<CountingDevice>(std::move(opened.device), requests);
    return opened;
  }
  int CountOpenable() override {
    if (counts.empty()) return mouse_.CountOpenable();
    const int next = counts.front();
    counts.pop_front();
    return next;
  }
  std::deque<int> counts;
  int requests = 0;

 private:
  SimulatedMouse& mouse_;
};

// Takes every mouse it is given: an opened mouse is shown until it is lost.
struct Listener final : WatchListener {
  std::vector<std::string> calls;
  bool shown = false;
  bool accepts = true;  // false: the opened mouse's identification fails
  void MouseOpened() override {
    calls.push_back("opened");
    shown = accepts;
  }
  void MouseLost() override {
    calls.push_back("lost");
    shown = false;
  }
  bool ShowsMouseImage() const override { return shown; }
};


class WatchTest : public ::testing::Test {
 protected:
  SimulatedMouse mouse;
  ScriptedCounts transport{mouse};
  test::HookedClock clock;
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

TEST_F(WatchTest, PresenceIsToldWithoutAFeatureRequest) {
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  transport.requests = 0;
  mouse.Faults().extraInterfaces = 1;  // another device leaves
  watch.DevTimerTimer();
  mouse.Faults().extraInterfaces = 3;  // and others arrive
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"opened"});
  EXPECT_EQ(transport.requests, 0);
}

TEST_F(WatchTest, OpenedMouseThatWasNeverAcceptedIsSearchedForAgain) {
  listener.accepts = false;
  mouse.Faults().extraInterfaces = 1;
  watch.DevTimerTimer();
  ASSERT_TRUE(link.IsOpen());
  listener.accepts = true;
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, (std::vector<std::string>{"opened", "opened"}));
  EXPECT_TRUE(listener.shown);
}

TEST_F(WatchTest, LossIsNotAnnouncedAgainWhileNothingIsShown) {
  mouse.Unplug();
  mouse.Faults().extraInterfaces = 2;
  watch.DevTimerTimer();
  mouse.Faults().extraInterfaces = 1;
  watch.DevTimerTimer();
  EXPECT_EQ(listener.calls, std::vector<std::string>{"lost"});
  EXPECT_EQ(watch.PreviousCount(), 1);
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
  clock.onPause = [&] {
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
