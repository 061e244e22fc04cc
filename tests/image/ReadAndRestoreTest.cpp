#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "FlowFixture.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

class ReadTest : public FlowTest {
 protected:
  // The transaction ReadDevInfo would have opened, then Btn_Read alone.
  bool ReadAfterGate() {
    EXPECT_EQ(link.IdentityGate(), GateOutcome::Passed);
    mouse.ClearLog();
    return Ran(flows.Btn_Read()).read == ReadOutcome::Read;
  }
};

TEST_F(ReadTest, RefusedReadLeavesEverythingAsItWasAndSaysFail) {
  flows.RefreshErrorAP();
  Open();
  mouse.Memory()[0x007] = 9;
  const ImageState before = flows.State();
  mouse.Faults().rejectReplies = 5;
  mouse.Faults().rejectCommand = 4;
  EXPECT_FALSE(ReadAfterGate());
  EXPECT_EQ(Sequence(), "4(0,2048) 4(0,2048) 4(0,2048) 4(0,2048) 4(0,2048) 8 2");
  EXPECT_EQ(flows.State().workingImage, before.workingImage);
  EXPECT_EQ(flows.State().dataBuf.bytes, before.dataBuf.bytes);
  EXPECT_EQ(flows.State().controls.cb_CPI[1].itemIndex, before.controls.cb_CPI[1].itemIndex);
  EXPECT_TRUE(flows.PagesLocked());
  EXPECT_TRUE(flows.State().noDevice);
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));
}

TEST_F(ReadTest, ChunkWithoutAnswerIsReadOnceMore) {
  Open();
  mouse.Memory()[0x0C] = 3;  // in chunk 2
  mouse.Faults().rejectReplies = 5;  // every attempt of chunk 0 is refused
  mouse.Faults().rejectCommand = 5;
  EXPECT_TRUE(ReadAfterGate());
  EXPECT_EQ(Sequence(), "4(0,2048) 5x346 4(0,2048) 5x342 8 2");
  EXPECT_EQ(flows.State().workingImage[0x0C], 3);
  EXPECT_EQ(flows.State().workingImage[0x00], DefaultImage(1)[0x00]);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ReadTest, ChunkFailingTwiceFailsTheRead) {
  flows.RefreshErrorAP();
  Open();
  const DeviceImage before = flows.State().workingImage;
  mouse.Faults().rejectReplies = 5;
  mouse.Faults().rejectCommand = 5;
  host.afterTransfer = [&] { mouse.Faults().rejectReplies = 5; };
  EXPECT_FALSE(ReadAfterGate());
  EXPECT_EQ(flows.State().workingImage, before);
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));
}

TEST_F(ReadTest, ManualReadThatFailsKeepsUnlockedPagesUsable) {
  Ready();
  mouse.Faults().rejectReplies = 5;
  mouse.Faults().rejectCommand = 4;
  EXPECT_FALSE(ReadAfterGate());
  EXPECT_FALSE(flows.PagesLocked());
}

TEST_F(FlowTest, RestoreWritesTheDefaultImageAsLoaded) {
  Ready();
  mouse.Memory().fill(0x11);
  EXPECT_EQ(Ran(flows.DefaultParameter(2)).write, WriteOutcome::Verified);
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 8 2");
  EXPECT_EQ(mouse.Memory(), DefaultImage(2));
  EXPECT_EQ(host.events, (std::vector<std::string>{"LockPages", "UnlockPages"}));
  EXPECT_EQ(host.changes, std::vector<PagesChange>{PagesChange::Restored});
}

TEST_F(FlowTest, BuiltInDefaultsRestoreKeepsGapsAndLeavesPagesAsTheyAre) {
  Ready();
  flows.State().workingImage[0x03C] = 0x42;  // a gap byte
  EXPECT_EQ(Ran(flows.TLDefaultParameter()).write, WriteOutcome::Verified);
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 8 2");
  for (const Section& s : kParameterSections) {
    const auto defaults = BuiltInDefaults(s);
    EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), mouse.Memory().begin() + s.address)) << s.name;
  }
  EXPECT_EQ(mouse.Memory()[0x03C], 0x42);
  EXPECT_EQ(mouse.Memory()[0x7FF], 0x00);
  EXPECT_EQ(flows.State().controls.codeTexts[6], "0F0000");
  EXPECT_EQ(std::count(host.events.begin(), host.events.end(), "LockPages"), 0);
}

TEST_F(FlowTest, ButtonsWithoutMouseSayFindingTheDevice) {
  EXPECT_TRUE(flows.Start(DeviceFlow::Apply));
  EXPECT_TRUE(flows.Start(DeviceFlow::Restore1));
  EXPECT_TRUE(flows.Start(DeviceFlow::Read));
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str020", "Str020", "Str020"));
  EXPECT_EQ(clock.NowMs(), 220);  // Read has no 110 ms wait
  EXPECT_FALSE(flows.LastResult().deviceOpen);
  host.messages.clear();
  EXPECT_TRUE(flows.Start(DeviceFlow::RestoreBuiltIn));
  EXPECT_TRUE(host.messages.empty());
  EXPECT_TRUE(mouse.Log().empty());
}

TEST_F(FlowTest, ConfirmEndsOneHundredTenMillisecondsAfterTheWrite) {
  Ready();
  int64_t writtenAt = 0;
  bool ended = false;
  host.afterTransfer = [&] { writtenAt = clock.NowMs(); };
  ASSERT_TRUE(flows.Start(DeviceFlow::Confirm, [&](const FlowResult& result) {
    ended = result.deviceOpen;
    EXPECT_EQ(clock.NowMs() - writtenAt, 2 * 10 + 110);  // SystemReloadCmd, EndTransactionCmd, the pause
  }));
  EXPECT_TRUE(ended);
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 8 2");
}

TEST_F(FlowTest, LostMouseShowsDefaultsOnLockedPages) {
  Ready();
  flows.State().workingImage[0x010] = 0x33;
  flows.DeviceLost();
  EXPECT_EQ(flows.State().workingImage, DefaultImage(1));
  EXPECT_TRUE(flows.PagesLocked());
  EXPECT_TRUE(flows.State().noDevice);
  EXPECT_TRUE(flows.State().controls.LedType.empty());
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0].id, "Str100");
  EXPECT_EQ(host.messages[0].text, "Waiting to reconnect device\r\r");
}

// A mouse that is plugged in but cannot be used is no silent absence: the
// message says why, and for a permission problem how to mend it.
TEST_F(FlowTest, TheSearchSaysWhyAMouseCannotBeUsed) {
  const struct {
    const char* name;
    std::function<void(SimFaults&)> fault;
    const char* says;
  } cases[] = {
      {"no permission", [](SimFaults& f) { f.denied = true; }, "sudo tee /etc/udev/rules.d/70-veltrax.rules"},
      {"other release", [](SimFaults& f) { f.release = 0x0200; }, "release 0x0200 was found"},
  };
  for (const auto& c : cases) {
    mouse.Faults() = SimFaults{};
    mouse.Faults().extraInterfaces = 1;  // the keyboard, say: the count rises and the watch searches
    c.fault(mouse.Faults());
    host.messages.clear();
    ConnectionWatch watch(link, clock, flows);
    ASSERT_TRUE(flows.DevTimerTimer(watch));
    EXPECT_FALSE(link.IsOpen()) << c.name;
    ASSERT_EQ(host.messages.size(), 1U) << c.name;
    EXPECT_EQ(host.messages[0].id, "Str100");
    EXPECT_THAT(host.messages[0].text, StartsWith("Waiting to reconnect device\n\n")) << c.name;
    EXPECT_THAT(host.messages[0].text, HasSubstr(c.says)) << c.name;
  }
}

}  // namespace
}  // namespace veltrax
