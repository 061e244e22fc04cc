#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "common/NamedCase.h"
#include "common/SimulatedLinkTest.h"
#include "device/Bits.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

using C = Command;

class DeviceLinkTest : public test::SimulatedLinkTest {
 protected:
  DeviceLinkTest() {
    for (int i = 0; i < kMemorySize; ++i) mouse.Memory()[i] = static_cast<uint8_t>(i * 7 + 3);
  }
};

TEST_F(DeviceLinkTest, UnansweredCommandGivesUpAfterFiveAttemptsAndThreeHundredMs) {
  OpenInTransaction();
  mouse.Faults().mute = true;
  EXPECT_FALSE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(Elapsed(), 300);
  EXPECT_EQ(mouse.Log().size(), 5u);
}

TEST_F(DeviceLinkTest, NotReadyPollsAreWaitedForWithinOneAttempt) {
  OpenInTransaction();
  mouse.Faults().notReadyPolls = 4;
  EXPECT_TRUE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(mouse.Log().size(), 1u);
  EXPECT_EQ(Elapsed(), 10 + 4 * 10);

  mouse.ClearLog();
  mouse.Faults().notReadyPolls = 5;  // one poll too many for every attempt
  EXPECT_FALSE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(mouse.Log().size(), 5u);
}

TEST_F(DeviceLinkTest, RefusedStatusEndsPollingAndResendsTheRequest) {
  OpenInTransaction();
  mouse.Faults().rejectReplies = 4;
  EXPECT_TRUE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(mouse.Log().size(), 5u);
  EXPECT_EQ(Elapsed(), 5 * 10);  // no poll pauses: each refusal ends its attempt at once

  mouse.ClearLog();
  mouse.Faults().rejectReplies = 5;
  EXPECT_FALSE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(mouse.Log().size(), 5u);

  mouse.ClearLog();
  mouse.Faults().rejectReplies = 10;
  EXPECT_EQ(link.PollButtons(), 0);
  EXPECT_EQ(mouse.Log().size(), 10u);
}

TEST_F(DeviceLinkTest, RequestBytesFollowTheCommandLayout) {
  OpenInTransaction();
  std::array<uint8_t, 2> dest{};
  ASSERT_TRUE(link.ReadMemory(0x1A5, 2, dest, 1).accepted);
  const std::array<uint8_t, 8> address{4, 4, 0xA5, 0x01, 2, 0, 0, 0};
  EXPECT_EQ(mouse.Log().front().request, address);
  const std::array<uint8_t, 8> data{4, 5, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(mouse.Log().back().request, data);
}

struct ChunkCase : test::NamedCase {
  uint16_t address;
  uint16_t length;
  size_t dataExchanges;
};

class ChunkingTest : public DeviceLinkTest, public ::testing::WithParamInterface<ChunkCase> {};

TEST_P(ChunkingTest, ReadCopiesExactlyTheRequestedBytesInSixByteChunks) {
  const ChunkCase c = GetParam();
  OpenInTransaction();
  std::vector<uint8_t> dest(kMemorySize, 0x00);
  TransferResult result = link.ReadMemory(c.address, c.length, dest, kMemorySize - 1);
  EXPECT_TRUE(result.complete());
  EXPECT_EQ(result.chunks, static_cast<int>(c.dataExchanges));
  EXPECT_EQ(Count(C::ReadAddressCmd), 1u);
  EXPECT_EQ(Count(C::ReadDataCmd), c.dataExchanges);
  EXPECT_TRUE(std::equal(dest.begin(), dest.begin() + c.length, mouse.Memory().begin() + c.address));
  EXPECT_TRUE(std::all_of(dest.begin() + c.length, dest.end(), [](uint8_t b) { return b == 0xFF; }));
}

TEST_P(ChunkingTest, WriteStoresExactlyTheGivenBytes) {
  const ChunkCase c = GetParam();
  OpenInTransaction();
  std::vector<uint8_t> source(c.length);
  for (size_t i = 0; i < source.size(); ++i) source[i] = static_cast<uint8_t>(0xC0 ^ i);
  const MemoryImage before = mouse.Memory();
  EXPECT_TRUE(link.WriteMemory(c.address, c.length, source).complete());
  EXPECT_EQ(Count(C::WriteAddressCmd), 1u);
  EXPECT_EQ(Count(C::WriteDataCmd), c.dataExchanges);
  for (int a = 0; a < kMemorySize; ++a) {
    const bool inside = a >= c.address && a < c.address + c.length;
    ASSERT_EQ(mouse.Memory()[a], inside ? source[a - c.address] : before[a]) << "address " << a;
  }
}

INSTANTIATE_TEST_SUITE_P(Lengths, ChunkingTest,
                         ::testing::Values(ChunkCase{"wholeMemory", 0, 2048, 342},
                                           ChunkCase{"macroArea", 0x100, 1792, 299},
                                           ChunkCase{"oneSection", 0x80, 48, 8}, ChunkCase{"identity", 54, 2, 1},
                                           ChunkCase{"lastByte", 0x7FF, 1, 1}, ChunkCase{"partLastChunk", 10, 13, 3}),
                         test::CaseName());

TEST_F(DeviceLinkTest, WholeImageReadAndWriteTakeTheirFixedPauses) {
  OpenInTransaction();
  std::vector<uint8_t> image(kMemorySize);
  ASSERT_TRUE(link.ReadMemory(0, kMemorySize, image, kMemorySize - 1).complete());
  EXPECT_EQ(Elapsed(), 10 + 342 * 5);
  start = clock.NowMs();
  ASSERT_TRUE(link.WriteMemory(0, kMemorySize, image).complete());
  EXPECT_EQ(Elapsed(), 10 + 342 * 10);
}

TEST_F(DeviceLinkTest, ShortLastWriteChunkRepeatsThePreviousStagingBytes) {
  OpenInTransaction();
  const std::vector<uint8_t> eight{1, 2, 3, 4, 5, 6, 7, 8};
  ASSERT_TRUE(link.WriteMemory(0x200, 8, eight).accepted);
  const std::array<uint8_t, 8> last{4, 7, 7, 8, 3, 4, 5, 6};
  EXPECT_EQ(mouse.Log().back().request, last);

  mouse.ClearLog();
  const std::vector<uint8_t> two{9, 10};
  ASSERT_TRUE(link.WriteMemory(0x300, 2, two).accepted);
  const std::array<uint8_t, 8> single{4, 7, 9, 10, 0xFF, 0xFF, 0xFF, 0xFF};
  EXPECT_EQ(mouse.Log().back().request, single);
}

TEST_F(DeviceLinkTest, RefusedReadAddressLeavesTheDestinationFilled) {
  OpenInTransaction();
  mouse.Faults().rejectReplies = 5;
  mouse.Faults().rejectCommand = static_cast<uint8_t>(C::ReadAddressCmd);
  std::vector<uint8_t> dest(kMemorySize, 0x11);
  TransferResult result = link.ReadMemory(0, kMemorySize, dest, kMemorySize - 1);
  EXPECT_FALSE(result.accepted);
  EXPECT_TRUE(std::all_of(dest.begin(), dest.end(), [](uint8_t b) { return b == 0xFF; }));
  EXPECT_EQ(Count(C::ReadDataCmd), 0u);
}

TEST_F(DeviceLinkTest, FailedDataChunkReadsAsFFAndIsCounted) {
  OpenInTransaction();
  mouse.Faults().rejectReplies = 5;
  mouse.Faults().rejectCommand = static_cast<uint8_t>(C::ReadDataCmd);  // the whole first chunk
  std::vector<uint8_t> dest(12);
  TransferResult result = link.ReadMemory(0, 12, dest, 11);
  EXPECT_TRUE(result.accepted);
  EXPECT_EQ(result.failedChunkIndexes, std::vector<int>{0});
  EXPECT_FALSE(result.complete());
  EXPECT_TRUE(std::all_of(dest.begin(), dest.begin() + 6, [](uint8_t b) { return b == 0xFF; }));
  EXPECT_TRUE(std::equal(dest.begin() + 6, dest.end(), mouse.Memory().begin()));
}

// Faults after which the mouse's read position may have moved past the
// chunk the host asked for.
struct ShiftCase : test::NamedCase {
  void (*arm)(SimFaults&);
};

class ReadPositionTest : public DeviceLinkTest, public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(ReadPositionTest, ChunkAnsweredOnlyAfterAResendIsReadAgain) {
  OpenInTransaction();
  std::vector<uint8_t> dest(48);
  GetParam().arm(mouse.Faults());
  // the chunk answered late, and the last one, which the moved position left without bytes
  EXPECT_EQ(link.ReadMemory(0x80, 48, dest, 47).failedChunkIndexes.front(), 0);

  GetParam().arm(mouse.Faults());
  mouse.ClearLog();
  const TransferResult checked = link.ReadMemoryChecked(0x80, 48, dest, DeviceLink::Loading::Shown);
  EXPECT_TRUE(checked.complete());
  EXPECT_TRUE(std::equal(dest.begin(), dest.end(), mouse.Memory().begin() + 0x80));
  EXPECT_EQ(Count(C::ReadAddressCmd), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReadPositionTest,
    ::testing::Values(ShiftCase{"lostReply", [](SimFaults& f) { f.dropReplies = 1, f.dropCommand = 5; }},
                      ShiftCase{"refusalThatMovesOn",
                                [](SimFaults& f) { f.rejectReplies = 1, f.rejectCommand = 5, f.advanceOnRefusal = true; }},
                      ShiftCase{"noAnswerAtAll", [](SimFaults& f) { f.rejectReplies = 5, f.rejectCommand = 5; }}),
    test::CaseName());

TEST_F(DeviceLinkTest, VanishedMouseEndsTheTransferAtOnce) {
  OpenInTransaction();
  mouse.Faults().unplugAfter = 2 + 1 + 50;  // the transaction, the address command and 50 chunks
  std::vector<uint8_t> dest(kMemorySize);
  const TransferResult result = link.ReadMemory(0, kMemorySize, dest, kMemorySize - 1);
  EXPECT_TRUE(link.Gone());
  EXPECT_EQ(result.failedChunkIndexes.size(), 342u - 50u);
  EXPECT_EQ(result.failedChunkIndexes.front(), 50);
  EXPECT_EQ(Elapsed(), 10 + 50 * 5);  // one refused request, then nothing more is tried
  EXPECT_FALSE(link.SendCommand(C::SystemReloadCmd));
  EXPECT_EQ(mouse.Log().size(), 1u + 50u);
  EXPECT_EQ(Elapsed(), 10 + 50 * 5);
}

TEST_F(DeviceLinkTest, FetchThatTheSystemRefusesIsNeverTakenForAStatus) {
  OpenInTransaction();
  mouse.Faults().mute = true;
  // Byte 7 of this request is 0xCC; a failed fetch leaves it in the buffer.
  const std::array<uint8_t, 6> data{0, 0, 0, 0, 0, 0xCC};
  EXPECT_FALSE(link.WriteDataChunk(data));
  EXPECT_EQ(link.Report()[7], 0xCC);
}

TEST_F(DeviceLinkTest, ProgressHearsEveryChunkOfTheLoudTransfersOnly) {
  struct Recorder : TransferProgress {
    std::vector<std::pair<int, int>> heard;
    void ChunkDone(int done, int total) override { heard.emplace_back(done, total); }
  } progress;
  OpenInTransaction();
  link.SetProgress(&progress);
  std::vector<uint8_t> dest(14);
  ASSERT_TRUE(link.ReadMemory(0, 14, dest, 13).accepted);
  const std::vector<std::pair<int, int>> threeChunks{{1, 3}, {2, 3}, {3, 3}};
  EXPECT_EQ(progress.heard, threeChunks);
  progress.heard.clear();
  ASSERT_TRUE(link.WriteMemory(0, 14, dest).accepted);
  EXPECT_EQ(progress.heard, threeChunks);
  progress.heard.clear();
  ASSERT_TRUE(link.ReadMemoryQuiet(0, 14, dest, 13).accepted);
  EXPECT_TRUE(progress.heard.empty());
}

TEST_F(DeviceLinkTest, WithoutADeviceEveryExchangeFailsAtOnce) {
  std::vector<uint8_t> dest(16, 0);
  EXPECT_FALSE(link.SendCommand(C::BeginTransactionCmd));
  EXPECT_FALSE(link.ReadMemory(0, 16, dest, 15));
  EXPECT_TRUE(std::all_of(dest.begin(), dest.end(), [](uint8_t b) { return b == 0xFF; }));
  EXPECT_FALSE(link.WriteMemory(0, 16, dest));
  EXPECT_EQ(link.PollButtons(), 0);
  EXPECT_EQ(link.IdentityGate(), GateOutcome::BeginFailed);
  EXPECT_TRUE(mouse.Log().empty());
  EXPECT_EQ(clock.NowMs(), 0);
}

TEST_F(DeviceLinkTest, PollButtonsReturnsTheMaskAfterItsPauses) {
  OpenInTransaction();
  mouse.Faults().pressedButtons = 0x0105;
  EXPECT_EQ(link.PollButtons(), 0x0105);
  EXPECT_EQ(Elapsed(), 5 + 5);
}

struct GateCase : test::NamedCase {
  SimFaults faults;
  GateOutcome outcome;
  uint32_t modelCode;
  std::vector<Command> sent;
};

class GateTest : public DeviceLinkTest, public ::testing::WithParamInterface<GateCase> {};

TEST_P(GateTest, OutcomeModelCodeAndCommandsSent) {
  const GateCase& c = GetParam();
  Open();
  mouse.Faults() = c.faults;
  link.SetModelCode(0x77);
  EXPECT_EQ(link.IdentityGate(), c.outcome);
  EXPECT_EQ(link.ModelCode(), c.modelCode);
  EXPECT_EQ(mouse.CommandLog(), c.sent);
}

SimFaults WithModel(uint8_t byte) {
  SimFaults f;
  f.modelByte = byte;
  return f;
}

SimFaults With(bool SimFaults::*flag) {
  SimFaults f;
  f.*flag = true;
  return f;
}

SimFaults WithMarker(uint8_t marker) {
  SimFaults f;
  f.marker = marker;
  return f;
}

SimFaults RejectingFirst(Command code) {
  SimFaults f;
  f.rejectReplies = 5;
  f.rejectCommand = static_cast<uint8_t>(code);
  return f;
}

const std::vector<Command> kBeginQuery{C::BeginTransactionCmd, C::StatusQueryCmd};
const std::vector<Command> kBeginFiveTimes(5, C::BeginTransactionCmd);

INSTANTIATE_TEST_SUITE_P(
    Outcomes, GateTest,
    ::testing::Values(GateCase{"served", {}, GateOutcome::Passed, 0x99, kBeginQuery},
                      GateCase{"model35", WithModel(0x35), GateOutcome::Rejected, 0x90, kBeginQuery},
                      GateCase{"modelFD", WithModel(0xFD), GateOutcome::Rejected, 0x98, kBeginQuery},
                      GateCase{"unknownModelKeepsCode", WithModel(0x12), GateOutcome::Rejected, 0x77, kBeginQuery},
                      GateCase{"statusFlagClear", With(&SimFaults::noStatus), GateOutcome::Rejected, 0x99,
                               kBeginQuery},
                      GateCase{"noMarker", WithMarker(0xAB), GateOutcome::NoMarker, 0x99, kBeginQuery},
                      GateCase{"beginRefused", RejectingFirst(C::BeginTransactionCmd), GateOutcome::BeginFailed,
                               0x77, kBeginFiveTimes}),
    test::CaseName());

TEST_F(DeviceLinkTest, DiscoveryGateClearsTheModelCodeFirst) {
  Open();
  mouse.Faults().modelByte = 0x12;
  link.SetModelCode(0x99);
  EXPECT_EQ(link.IdentityGate(DeviceLink::ModelReset::Clear), GateOutcome::Rejected);
  EXPECT_EQ(link.ModelCode(), 0u);
}

TEST_F(DeviceLinkTest, UnpluggedMouseFailsItsExchangesAndLeavesTheCount) {
  mouse.Faults().extraInterfaces = 2;
  Open();
  EXPECT_EQ(link.CountHidInterfaces(), 3);
  mouse.Faults().unplugAfter = 1;
  EXPECT_TRUE(link.SendCommand(C::BeginTransactionCmd));
  EXPECT_FALSE(link.SendCommand(C::StatusQueryCmd));
  EXPECT_EQ(link.CountHidInterfaces(), 2);
  EXPECT_FALSE(link.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease));
}

TEST(BitsTest, SingleBitsOfThirtyTwoBitValues) {
  EXPECT_TRUE(TestBit(0x80000000u, 31));
  EXPECT_FALSE(TestBit(0x7FFFFFFFu, 31));
  EXPECT_EQ(SetBit(0x10, 0), 0x11u);
  EXPECT_EQ(SetBit(0, 31), 0x80000000u);
  EXPECT_EQ(ClearBit(0xFF, 7), 0x7Fu);
  EXPECT_EQ(ClearBit(0x0F, 7), 0x0Fu);
}

}  // namespace
}  // namespace veltrax
