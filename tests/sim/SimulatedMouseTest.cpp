#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/FileIo.h"
#include "common/NamedCase.h"
#include "common/TempFolder.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;

std::array<uint8_t, 8> Request(Command code, uint8_t a = 0, uint8_t b = 0, uint8_t c = 0, uint8_t d = 0) {
  return {kReportId, static_cast<uint8_t>(code), a, b, c, d, 0, 0};
}

// Talks to the mouse one raw report at a time.
struct RawHandle {
  explicit RawHandle(SimulatedMouse& mouse) : device(std::move(mouse.Open(SimulatedMouse::kPath).device)) {}
  std::array<uint8_t, 8> Exchange(const std::array<uint8_t, 8>& request) {
    std::array<uint8_t, 8> reply = request;
    EXPECT_TRUE(device->SetFeature(reply));
    device->GetFeature(reply);
    return reply;
  }
  std::unique_ptr<HidDevice> device;
};

TEST(SimulatedMouseTest, StatusReplyCarriesMarkerFlagModelAndButtons) {
  SimulatedMouse mouse;
  mouse.Faults().pressedButtons = 0x0203;
  RawHandle raw(mouse);
  raw.Exchange(Request(Command::BeginTransactionCmd));
  const std::array<uint8_t, 8> expected{4, 0xAA, 0x04, 0x75, 0, 0x03, 0x02, 0xCC};
  EXPECT_EQ(raw.Exchange(Request(Command::StatusQueryCmd)), expected);
}

TEST(SimulatedMouseTest, ButtonsHeldForSomeQueriesAreReleasedAfterThem) {
  SimulatedMouse mouse;
  RawHandle raw(mouse);
  raw.Exchange(Request(Command::BeginTransactionCmd));
  auto held = [&] {
    const auto reply = raw.Exchange(Request(Command::StatusQueryCmd));
    return reply[5] | (reply[6] << 8);
  };
  mouse.HoldButtons(0x0104, 2);
  EXPECT_EQ(held(), 0x0104);
  EXPECT_EQ(held(), 0x0104);
  EXPECT_EQ(held(), 0);
  mouse.HoldButtons(0x0002);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(held(), 0x0002);
  mouse.HoldButtons(0x0002, 0);
  EXPECT_EQ(held(), 0);
}

TEST(SimulatedMouseTest, MemoryCommandsOutsideATransactionAreRefused) {
  SimulatedMouse mouse;
  RawHandle raw(mouse);
  for (Command c : {Command::StatusQueryCmd, Command::ReadAddressCmd, Command::ReadDataCmd, Command::WriteAddressCmd,
                    Command::WriteDataCmd}) {
    EXPECT_EQ(raw.Exchange(Request(c))[7], SimulatedMouse::kRefusedStatus) << int(c);
  }
  EXPECT_EQ(raw.Exchange(Request(Command::BeginTransactionCmd))[7], kStatusDone);
  EXPECT_EQ(raw.Exchange(Request(Command::StatusQueryCmd))[7], kStatusDone);
  EXPECT_EQ(raw.Exchange(Request(Command::ReadAddressCmd, 0, 0, 6, 0))[7], kStatusDone);
}

// A request and the status the mouse must answer it with.
struct Step {
  std::array<uint8_t, 8> request;
  uint8_t status;
};

struct OrderCase : test::NamedCase {
  std::vector<Step> steps;
};

constexpr uint8_t kDone = kStatusDone;
constexpr uint8_t kRefused = SimulatedMouse::kRefusedStatus;
const Step kBegin{Request(Command::BeginTransactionCmd), kDone};
const Step kQuery{Request(Command::StatusQueryCmd), kDone};
const Step kReload{Request(Command::SystemReloadCmd), kDone};

class TransactionOrderTest : public ::testing::TestWithParam<OrderCase> {};

TEST_P(TransactionOrderTest, OnlyTheDescribedOrderIsAnswered) {
  SimulatedMouse mouse;
  RawHandle raw(mouse);
  int n = 0;
  for (const Step& step : GetParam().steps) {
    EXPECT_EQ(raw.Exchange(step.request)[7], step.status) << "step " << n;
    ++n;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TransactionOrderTest,
    ::testing::Values(
        OrderCase{"readDataWithoutAddress", {kBegin, kQuery, {Request(Command::ReadDataCmd), kRefused}}},
        OrderCase{"writeDataWithoutAddress", {kBegin, kQuery, {{4, 7, 1, 2, 3, 4, 5, 6}, kRefused}}},
        OrderCase{"dataPastTheAnnouncedLength",
                  {kBegin, kQuery, {Request(Command::ReadAddressCmd, 0, 0, 6, 0), kDone},
                   {Request(Command::ReadDataCmd), kDone}, {Request(Command::ReadDataCmd), kRefused}}},
        OrderCase{"addressBeyondTheMemory",
                  {kBegin, kQuery, {Request(Command::ReadAddressCmd, 0xFF, 0x07, 2, 0), kRefused},
                   {Request(Command::WriteAddressCmd, 0x00, 0x08, 1, 0), kRefused},
                   {Request(Command::ReadAddressCmd, 0xFF, 0x07, 1, 0), kDone}}},
        OrderCase{"emptyLength", {kBegin, kQuery, {Request(Command::WriteAddressCmd, 0, 0, 0, 0), kRefused}}},
        OrderCase{"addressBeforeTheStatusQuery", {kBegin, {Request(Command::ReadAddressCmd, 0, 0, 6, 0), kRefused}}},
        OrderCase{"memoryAfterTheReload",
                  {kBegin, kQuery, kReload, {Request(Command::ReadAddressCmd, 0, 0, 6, 0), kRefused},
                   {Request(Command::StatusQueryCmd), kRefused}}},
        OrderCase{"endWithoutTheReload", {kBegin, kQuery, {Request(Command::EndTransactionCmd), kRefused}}},
        OrderCase{"reloadOutsideATransaction", {{Request(Command::SystemReloadCmd), kRefused}}},
        OrderCase{"repeatedReloadAndEnd",
                  {kBegin, kQuery, kReload, kReload, {Request(Command::EndTransactionCmd), kDone},
                   {Request(Command::EndTransactionCmd), kDone}}},
        OrderCase{"unknownCode", {kBegin, {{4, 9, 0, 0, 0, 0, 0, 0}, kRefused}}}),
    test::CaseName());

TEST(SimulatedMouseTest, LostReplyLeavesTheRequestCarriedOut) {
  SimulatedMouse mouse;
  mouse.Faults().dropReplies = 1;
  mouse.Faults().dropCommand = static_cast<uint8_t>(Command::WriteDataCmd);
  RawHandle raw(mouse);
  raw.Exchange(Request(Command::BeginTransactionCmd));
  raw.Exchange(Request(Command::StatusQueryCmd));
  raw.Exchange(Request(Command::WriteAddressCmd, 0x10, 0, 12, 0));
  EXPECT_EQ(raw.Exchange({4, 7, 1, 2, 3, 4, 5, 6})[7], kStatusNotReady);
  EXPECT_EQ(raw.Exchange({4, 7, 1, 2, 3, 4, 5, 6})[7], kStatusDone);  // the host's resend lands one chunk on
  const std::array<uint8_t, 12> expected{1, 2, 3, 4, 5, 6, 1, 2, 3, 4, 5, 6};
  EXPECT_TRUE(std::equal(expected.begin(), expected.end(), mouse.Memory().begin() + 0x10));
}

TEST(SimulatedMouseTest, StuckByteReadsBackWrongWhateverIsWritten) {
  SimFaults faults;
  faults.stuckAddress = 100;
  SimulatedMouse mouse(faults);
  VirtualClock clock;
  DeviceLink link(mouse, clock);
  ASSERT_TRUE(link.OpenDevice(kServedVendorId, kServedProductId, kRequiredRelease));
  ASSERT_EQ(link.IdentityGate(), GateOutcome::Passed);
  const std::vector<uint8_t> value{0x42};
  ASSERT_TRUE(link.WriteMemory(100, 1, value));
  std::vector<uint8_t> back(1);
  ASSERT_TRUE(link.ReadMemory(100, 1, back, 0));
  EXPECT_EQ(mouse.Memory()[100], 0x42);
  EXPECT_NE(back[0], 0x42);
}

TEST(SimulatedMouseTest, ReplugMakesOldHandlesStale) {
  SimulatedMouse mouse;
  RawHandle raw(mouse);
  mouse.Unplug();
  EXPECT_TRUE(mouse.Enumerate().empty());
  mouse.Plug();
  std::array<uint8_t, 8> report = Request(Command::BeginTransactionCmd);
  EXPECT_FALSE(raw.device->SetFeature(report));
  EXPECT_EQ(mouse.Enumerate().size(), 1u);
}

class StateFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options.stateFile = folder / "mouse.bin";
    options.initialMemory = SimOptions::FilledMemory(0x5A);
  }
  test::TempFolder folder{"veltrax-sim"};
  SimOptions options;
};

TEST_F(StateFileTest, MemoryWrittenInOneRunIsThereInTheNext) {
  {
    auto mouse = SimulatedMouse::Create(options);
    ASSERT_TRUE(mouse);
    EXPECT_EQ(mouse.value()->Memory()[0], 0x5A);
    RawHandle raw(*mouse.value());
    raw.Exchange(Request(Command::BeginTransactionCmd));
    raw.Exchange(Request(Command::StatusQueryCmd));
    raw.Exchange(Request(Command::WriteAddressCmd, 10, 0, 1, 0));
    raw.Exchange({4, 7, 0x33, 0, 0, 0, 0, 0});
    raw.Exchange(Request(Command::SystemReloadCmd));
    raw.Exchange(Request(Command::EndTransactionCmd));
    EXPECT_EQ(ReadWholeFile(*options.stateFile).value().at(10), 0x33);  // kept at the end of the transaction
  }
  options.initialMemory = SimOptions::FilledMemory(0);
  auto again = SimulatedMouse::Create(options);
  ASSERT_TRUE(again);
  EXPECT_EQ(again.value()->Memory()[10], 0x33);
  EXPECT_EQ(again.value()->Memory()[11], 0x5A);
}

TEST_F(StateFileTest, StateThatCannotBeKeptIsSaid) {
  // A state file whose folder is a file cannot even be created.
  ASSERT_TRUE(WriteFileAtomically(folder / "plain", std::vector<uint8_t>{1}));
  options.stateFile = folder / "plain" / "mouse.bin";
  auto refused = SimulatedMouse::Create(options);
  ASSERT_FALSE(refused);
  EXPECT_NE(refused.error().context.find("cannot be kept"), std::string::npos) << refused.error().context;

  // One whose folder goes away: the end of a writing transaction is refused.
  fs::create_directory(folder / "kept");
  options.stateFile = folder / "kept" / "mouse.bin";
  auto mouse = SimulatedMouse::Create(options);
  ASSERT_TRUE(mouse);
  fs::rename(folder / "kept", folder / "moved");
  RawHandle raw(*mouse.value());
  for (const auto& request : {Request(Command::BeginTransactionCmd), Request(Command::StatusQueryCmd),
                              Request(Command::WriteAddressCmd, 10, 0, 1, 0), std::array<uint8_t, 8>{4, 7, 0x33},
                              Request(Command::SystemReloadCmd)}) {
    EXPECT_EQ(raw.Exchange(request)[7], kStatusDone);
  }
  EXPECT_EQ(raw.Exchange(Request(Command::EndTransactionCmd))[7], SimulatedMouse::kRefusedStatus);
  EXPECT_FALSE(mouse.value()->Save());
}

TEST_F(StateFileTest, StateFileOfAnotherSizeIsRefused) {
  std::ofstream(*options.stateFile) << "short";
  auto mouse = SimulatedMouse::Create(options);
  ASSERT_FALSE(mouse);
  EXPECT_EQ(mouse.error().kind, ErrorKind::BadFormat);
  EXPECT_EQ(fs::file_size(*options.stateFile), 5u);  // left as it was
}

struct FaultText : test::NamedCase {  // the name is the text
  bool valid;
};

class ParseSimFaultTest : public ::testing::TestWithParam<FaultText> {};

TEST_P(ParseSimFaultTest, AcceptsTheDocumentedKindsOnly) {
  SimFaults faults;
  EXPECT_EQ(ParseSimFault(std::string(GetParam().name), faults).ok(), GetParam().valid) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(Texts, ParseSimFaultTest,
                         ::testing::Values(FaultText{"notready:3", true}, FaultText{"reject:2", true},
                                           FaultText{"reject:5@4", true}, FaultText{"reject:5@9", false},
                                           FaultText{"mute", true}, FaultText{"mute:1", false},
                                           FaultText{"stuck:0x7FF", true}, FaultText{"stuck:2048", false},
                                           FaultText{"model:0x35", true}, FaultText{"model:256", false},
                                           FaultText{"marker:0", true}, FaultText{"nostatus", true},
                                           FaultText{"identity:1,2", true}, FaultText{"identity:1", false},
                                           FaultText{"unplug:10", true}, FaultText{"unplug:-1", false},
                                           FaultText{"extra-interfaces:3", true}, FaultText{"buttons:0x1FF", true},
                                           FaultText{"drop:2", true}, FaultText{"drop:3@5", true},
                                           FaultText{"drop:1@9", false}, FaultText{"drop", false},
                                           FaultText{"advance-on-refusal", true},
                                           FaultText{"advance-on-refusal:1", false},
                                           FaultText{"notready:", false}, FaultText{"notready:3x", false},
                                           FaultText{"bogus", false}),
                         test::CaseName());

TEST(ParseSimFault, SetsTheFaultsItNames) {
  SimFaults faults;
  ASSERT_TRUE(ParseSimFault("identity:18,52", faults));
  ASSERT_TRUE(ParseSimFault("reject:3@4", faults));
  EXPECT_EQ(faults.identity, std::make_pair(uint8_t{18}, uint8_t{52}));
  EXPECT_EQ(faults.rejectReplies, 3);
  EXPECT_EQ(faults.rejectCommand, uint8_t{4});
  SimulatedMouse mouse(faults);
  EXPECT_EQ(mouse.Memory()[54], 18);
  EXPECT_EQ(mouse.Memory()[55], 52);
}

}  // namespace
}  // namespace veltrax
