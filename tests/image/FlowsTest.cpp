#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "FlowFixture.h"
#include "image/FieldTables.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::StartsWith;

TEST_F(FlowTest, FoundMouseIsIdentifiedReadAndShown) {
  mouse.Memory()[0x007] = 9;  // level 2 at 4800
  StoreChecksum(std::span(mouse.Memory()).subspan(0, 48));
  Open();
  EXPECT_EQ(Ran(flows.ReadDevInfo()).read, ReadOutcome::Read);
  EXPECT_EQ(Sequence(), "1 3 4(54,2) 5 4(0,2048) 5x342 8 2");
  EXPECT_EQ(flows.State().controls.cb_CPI[1].itemIndex, 9);
  EXPECT_EQ(flows.State().controls.edt_VendorID_Rd.text, "255");
  EXPECT_FALSE(flows.PagesLocked());
  EXPECT_FALSE(flows.State().noDevice);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FlowTest, IdentityOutcomes) {
  struct Case {
    const char* name;
    void (*fault)(SimulatedMouse&);
    ReadOutcome outcome;
    const char* sequence;
    const char* message;
    bool stillOpen;
  };
  const Case cases[] = {
      {"other identity", [](SimulatedMouse& m) { m.Memory()[54] = 0x12; }, ReadOutcome::IdentityRejected,
       "1 3 4 5 8 2", "Str107", true},
      {"other model", [](SimulatedMouse& m) { m.Faults().modelByte = 0x35; }, ReadOutcome::WrongModel, "1 3 8 2",
       "Str020", false},
      {"status flag clear", [](SimulatedMouse& m) { m.Faults().noStatus = true; }, ReadOutcome::WrongModel,
       "1 3 8 2", "Str020", false},
      {"no marker", [](SimulatedMouse& m) { m.Faults().marker = 0x55; }, ReadOutcome::NoMarker, "1 3", "", true},
      {"identity read refused",
       [](SimulatedMouse& m) {
         m.Faults().rejectReplies = 5;
         m.Faults().rejectCommand = 4;
       },
       ReadOutcome::ReadFailed, "1 3 4 4 4 4 4 8 2", "Str109", true},
  };
  for (const Case& c : cases) {
    SimulatedMouse m(SimFaults{}, DefaultImage(1));
    VirtualClock vc;
    DeviceLink l(m, vc);
    InlineRunner r(l, vc);
    RecordingHost h;
    ImageFlows f(r, h, h, texts);
    c.fault(m);
    ASSERT_TRUE(l.OpenDevice(0x04D9, 0xFC55, kRequiredRelease));
    ASSERT_TRUE(f.ReadDevInfo());
    EXPECT_EQ(f.LastResult().read, c.outcome) << c.name;
    EXPECT_EQ(Codes(m), c.sequence) << c.name;
    EXPECT_EQ(l.IsOpen(), c.stillOpen) << c.name;
    EXPECT_TRUE(f.PagesLocked()) << c.name;
    if (*c.message) {
      ASSERT_EQ(h.messages.size(), 1U) << c.name;
      EXPECT_EQ(h.messages[0].id, c.message);
      EXPECT_EQ(h.messages[0].style, h.messages[0].id == "Str109" ? MessageStyle::Dialog : MessageStyle::SystemBox);
    } else {
      EXPECT_TRUE(h.messages.empty()) << c.name;
    }
  }
}

TEST_F(FlowTest, IdentityPairsThatAreAccepted) {
  struct Case {
    uint8_t vendor, product;
    std::pair<int, int> reserve;
    bool accepted;
  };
  const Case cases[] = {
      {0xFF, 0xFF, {0, 0}, true},    // the pair of default image 1
      {0x00, 0x00, {0, 0}, true},    // the shipped reserve pair
      {0x12, 0x34, {0, 0}, false},
      {0x12, 0x34, {0x12, 0x34}, true},
      {0x00, 0x00, {256, 0}, false},  // a reserve id outside 0..255 never matches
  };
  for (const Case& c : cases) {
    mouse.Memory()[54] = c.vendor;
    mouse.Memory()[55] = c.product;
    flows.SetReserveIds(c.reserve.first, c.reserve.second);
    link.DropDevice();
    Open();
    const ReadOutcome outcome = Ran(flows.ReadDevInfo()).read;
    EXPECT_EQ(outcome, c.accepted ? ReadOutcome::Read : ReadOutcome::IdentityRejected)
        << int(c.vendor) << " " << int(c.product);
    EXPECT_EQ(flows.State().controls.edt_VendorID_Rd.text, std::to_string(c.vendor));
  }
}

TEST_F(FlowTest, ApplyWritesTheEditedPagesAndVerifies) {
  Ready();
  flows.State().controls.cb_CPI[1].Select(9);
  flows.State().controls.AimDpiIndex = 5;
  flows.State().dataBuf.ButtonCode(KeyProfile::ModeA, 4)[0] = kAimKeyType;
  size_t commandsBeforeContribute = 99;
  host.onContribute = [&] { commandsBeforeContribute = mouse.Log().size(); };
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Verified);
  EXPECT_EQ(commandsBeforeContribute, 0U);  // the pages (pointer settings) come before the gate
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 8 2");
  EXPECT_EQ(mouse.Memory()[0x007], 9);
  EXPECT_EQ(mouse.Memory()[0x04A], 5);
  for (const Section& s : {kParameterASection, kProfileSection, kFireKeySection}) {
    EXPECT_TRUE(ChecksumValid(std::span(mouse.Memory()).subspan(s.address, s.length))) << s.name;
  }
  EXPECT_TRUE(host.messages.empty());
  EXPECT_FALSE(flows.PagesLocked());
  EXPECT_EQ(host.events.back(), "UnlockPages");
}

TEST_F(FlowTest, ApplyOfTheFactoryImageWritesItUnchanged) {
  Ready();
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Verified);
  EXPECT_EQ(mouse.Memory(), DefaultImage(1));
}

TEST_F(FlowTest, StuckByteFailsAfterThreeRepairPasses) {
  Ready();
  mouse.Faults().stuckAddress = 0x300;
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Unverified);
  const std::string pass = " 6(768,1) 7 4(0,2048) 5x342";
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + pass + pass + pass + " 8 2");
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));
  EXPECT_EQ(host.messages[0].text, "Fail");
}

TEST_F(FlowTest, ByteThatTakesOneRepairIsVerified) {
  Ready();
  mouse.Faults().rejectReplies = 5;  // one write chunk gets no answer at all
  mouse.Faults().rejectCommand = 7;
  flows.State().controls.cb_CPI[0].Select(10);
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Verified);
  EXPECT_EQ(mouse.Memory()[0x006], 10);
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(FlowTest, RefusedWriteOrGateIsReported) {
  struct Case {
    const char* name;
    void (*fault)(SimFaults&);
  };
  const Case cases[] = {
      {"write address", [](SimFaults& f) { f.rejectReplies = 5, f.rejectCommand = 6; }},
      {"read-back address", [](SimFaults& f) { f.rejectReplies = 5, f.rejectCommand = 4; }},
      {"gate", [](SimFaults& f) { f.noStatus = true; }},
      {"no answer", [](SimFaults& f) { f.rejectReplies = 5, f.rejectCommand = 1; }},
  };
  for (const Case& c : cases) {
    host.events.clear();
    host.messages.clear();
    Ready();
    c.fault(mouse.Faults());
    EXPECT_NE(Ran(flows.DownloadParameter()).write, WriteOutcome::Verified) << c.name;
    EXPECT_THAT(host.MessageIds(), ElementsAre("Str109")) << c.name;
    const auto pointer = std::find(host.events.begin(), host.events.end(), "Contribute");
    const auto message = std::find(host.events.begin(), host.events.end(), "Message Str109");
    EXPECT_LT(pointer, message) << c.name;
    mouse.Faults() = SimFaults{};
    link.DropDevice();
  }
}

TEST_F(FlowTest, BytesThatWereNotReadBackAreNoVerification) {
  Ready();
  // Old macros on the mouse, erased macro memory in the image; from chunk
  // 43 (0x102) on, the link loses the write's answers, then the reads'.
  std::fill(mouse.Memory().begin() + 0x100, mouse.Memory().end(), 0x11);
  DeviceImage image = DefaultImage(1);
  std::fill(image.begin() + 0x100, image.end(), 0xFF);
  flows.State().workingImage = image;
  int transfer = 0;
  host.onChunk = [&](int done, int total) {
    if (done == 43 && transfer <= 1) {
      mouse.Faults().rejectReplies = 1 << 30;
      mouse.Faults().rejectCommand = transfer == 0 ? 7 : 5;
    }
    if (done == total && transfer++ == 0) mouse.Faults().rejectReplies = 0;
  };
  EXPECT_EQ(Ran(flows.MemoToDataBuf_OnClick()).write, WriteOutcome::Unverified);
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));
}

TEST_F(FlowTest, ReadBackThatLostAnAnswerIsReadAgainFromThere) {
  Ready();
  // The answer of read-back chunk 101 is lost; the mouse has moved on by one
  // chunk, so everything after it comes one chunk early.
  int transfer = 0;
  host.onChunk = [&](int done, int total) {
    if (transfer == 1 && done == 100) {
      mouse.Faults().dropReplies = 1;
      mouse.Faults().dropCommand = static_cast<uint8_t>(Command::ReadDataCmd);
    }
    if (done == total) ++transfer;
  };
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Verified);
  EXPECT_EQ(mouse.Memory(), DefaultImage(1));
  EXPECT_TRUE(host.messages.empty());
  // The late chunk and the last, which the moved position left without
  // bytes, are read again from the late one on; no byte is rewritten.
  EXPECT_EQ(Sequence(), "1 3 6(0,2048) 7x342 4(0,2048) 5x347 4(600,1448) 5x242 8 2");
}

TEST_F(FlowTest, WriteCountsOnlyWhenTheMouseEndedTheTransaction) {
  for (uint8_t code : {8, 2}) {
    Ready();
    host.messages.clear();
    mouse.Faults().rejectReplies = 5;
    mouse.Faults().rejectCommand = code;
    EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::EndRefused) << int(code);
    EXPECT_EQ(mouse.Memory(), DefaultImage(1));
    ASSERT_THAT(host.MessageIds(), ElementsAre("Str109"));
    EXPECT_THAT(host.messages[0].text, StartsWith("Fail\n"));
    EXPECT_THAT(host.messages[0].text, HasSubstr("may not have taken the image"));
    mouse.Faults() = SimFaults{};
    link.DropDevice();
  }
}

TEST_F(FlowTest, UnpluggedMouseEndsTheFlowAtOnce) {
  struct Case {
    const char* name;
    std::function<void(ImageFlows&)> run;
  };
  const Case cases[] = {
      {"apply",
       [](ImageFlows& f) {
         ASSERT_TRUE(f.DownloadParameter());
         EXPECT_EQ(f.LastResult().write, WriteOutcome::Unplugged);
       }},
      {"restore",
       [](ImageFlows& f) {
         ASSERT_TRUE(f.DefaultParameter(2));
         EXPECT_EQ(f.LastResult().write, WriteOutcome::Unplugged);
       }},
      {"read",
       [](ImageFlows& f) {
         ASSERT_TRUE(f.ReadDevInfo());
         EXPECT_EQ(f.LastResult().read, ReadOutcome::Unplugged);
       }},
  };
  for (const Case& c : cases) {
    mouse.Plug();
    Ready();
    host.onChunk = [&](int done, int) {
      if (done == 100) mouse.Unplug();
    };
    const int64_t start = clock.NowMs();
    c.run(flows);
    EXPECT_LT(clock.NowMs() - start, 2500) << c.name;  // 99 chunks and no retries of a vanished mouse
    EXPECT_THAT(host.MessageIds(), ElementsAre("Str100")) << c.name;
    EXPECT_FALSE(link.IsOpen()) << c.name;
    EXPECT_TRUE(flows.PagesLocked()) << c.name;
    host.onChunk = nullptr;
  }
}

TEST_F(FlowTest, RepairWriteRefusedIsReported) {
  Ready();
  mouse.Faults().stuckAddress = 0x300;
  int transfers = 0;
  host.afterTransfer = [&] {
    if (++transfers == 2) {  // after the first read-back, refuse the repair write
      mouse.Faults().rejectReplies = 5;
      mouse.Faults().rejectCommand = 6;
    }
  };
  EXPECT_EQ(Ran(flows.DownloadParameter()).write, WriteOutcome::Unverified);
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 6(768,1) 6(768,1) 6(768,1) 6(768,1) 6(768,1) 8 2");
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));
}

}  // namespace
}  // namespace veltrax
