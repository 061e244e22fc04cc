#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <future>

#include "device/DeviceLink.h"
#include "gui/FlowRunner.h"
#include "sim/SimulatedMouse.h"

namespace veltrax::gui {
namespace {

class FlowRunnerTest : public ::testing::Test {
 protected:
  SimulatedMouse mouse;
  VirtualClock clock;
  DeviceLink link{mouse, clock};
  FlowRunner runner{link, clock};
};

TEST_F(FlowRunnerTest, RunsOnItsOwnThreadAndFinishesOnTheStartingOne) {
  QThread* ranOn = nullptr;
  std::vector<QThread*> finishedOn;
  bool ended = false;
  auto step = [&] {
    return MakeDeviceJob([&](DeviceWork&) { ranOn = QThread::currentThread(); },
                         [&]() -> std::unique_ptr<DeviceJob> {
                           finishedOn.push_back(QThread::currentThread());
                           EXPECT_TRUE(runner.Busy());  // still the same flow
                           return nullptr;
                         });
  };
  ASSERT_TRUE(runner.Start(ThenDeviceJob(step(), step), [&] {
    EXPECT_FALSE(runner.Busy());
    ended = true;
  }));
  EXPECT_TRUE(runner.Busy());
  runner.WaitUntilIdle();
  EXPECT_TRUE(ended);
  ASSERT_NE(ranOn, nullptr);
  EXPECT_NE(ranOn, QThread::currentThread());
  EXPECT_EQ(finishedOn, (std::vector<QThread*>{QThread::currentThread(), QThread::currentThread()}));
}

TEST_F(FlowRunnerTest, EventLoopGoesOnWhileAJobRuns) {
  // The job waits for a timer of this thread: a blocked loop would never fire it.
  std::promise<void> fired;
  std::future<void> firedFuture = fired.get_future();
  bool firedInTime = false;
  QTimer::singleShot(0, [&] { fired.set_value(); });
  ASSERT_TRUE(runner.Start(MakeDeviceJob([&](DeviceWork&) {
    firedInTime = firedFuture.wait_for(std::chrono::seconds(10)) == std::future_status::ready;
  })));
  runner.WaitUntilIdle();
  EXPECT_TRUE(firedInTime);
}

TEST_F(FlowRunnerTest, SecondFlowIsDroppedWhileOneRuns) {
  int runs = 0;
  auto job = [&] { return MakeDeviceJob([&](DeviceWork&) { ++runs; }); };
  ASSERT_TRUE(runner.Start(MakeDeviceJob([&](DeviceWork&) { ++runs; },
                                         [&]() -> std::unique_ptr<DeviceJob> {
                                           EXPECT_FALSE(runner.Start(job()));  // from the flow's own end
                                           return nullptr;
                                         })));
  EXPECT_FALSE(runner.Start(job()));
  runner.WaitUntilIdle();
  EXPECT_EQ(runs, 1);
  EXPECT_TRUE(runner.Start(job()));
  runner.WaitUntilIdle();
  EXPECT_EQ(runs, 2);
}

TEST_F(FlowRunnerTest, LoopingJobEndsWhenAskedToStop) {
  std::atomic<int> polls = 0;
  ASSERT_TRUE(runner.Start(MakeDeviceJob([&](DeviceWork& work) {
    while (!work.StopRequested()) {
      EXPECT_EQ(work.link.PollButtons(), 0);  // no mouse open
      ++polls;
      QThread::msleep(1);
    }
  })));
  QTRY_VERIFY(polls > 3);
  runner.RequestStop();
  runner.WaitUntilIdle();
  EXPECT_FALSE(runner.Busy());
}

TEST_F(FlowRunnerTest, ChunksOfLoudTransfersReachTheStartingThread) {
  ASSERT_TRUE(link.OpenDevice(mouse.Enumerate().front().vendorId, mouse.Enumerate().front().productId, kRequiredRelease));
  std::pair<int, int> last{0, 0};
  int heard = 0;
  QObject::connect(&runner, &FlowRunner::ChunkDone, [&](int done, int total) {
    EXPECT_EQ(QThread::currentThread(), QCoreApplication::instance()->thread());
    last = {done, total};
    ++heard;
  });
  ASSERT_TRUE(runner.Start(MakeDeviceJob([](DeviceWork& work) {
    std::array<uint8_t, 48> bytes{};
    (void)work.link.IdentityGate();
    (void)work.link.ReadMemory(0, 48, bytes, 47);
    (void)work.link.ReadMemoryQuiet(0, 6, bytes, 5);
    (void)work.link.CloseTransaction();
  })));
  runner.WaitUntilIdle();
  EXPECT_GE(heard, 1);
  EXPECT_EQ(last, std::make_pair(8, 8));
}

}  // namespace
}  // namespace veltrax::gui
