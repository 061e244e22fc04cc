#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "base/FileIo.h"
#include "device/DeviceLink.h"
#include "device/ServedModel.h"
#include "sim/SimulatedMouse.h"
#include "common/TempFolder.h"

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

TEST(SimulatedMouseTest, MemoryCommandsOutsideATransactionAreRefused) {
  SimulatedMouse mouse;
  RawHandle raw(mouse);
  for (Command c : {Command::StatusQueryCmd, Command::ReadAddressCmd, Command::ReadDataCmd, Command::WriteAddressCmd,
                    Command::WriteDataCmd}) {
    EXPECT_EQ(raw.Exchange(Request(c))[7], SimulatedMouse::kRefusedStatus) << int(c);
  }
  EXPECT_EQ(raw.Exchange(Request(Command::BeginTransactionCmd))[7], kStatusDone);
  EXPECT_EQ(raw.Exchange(Request(Command::ReadAddressCmd, 0, 0, 6, 0))[7], kStatusDone);
}

TEST(SimulatedMouseTest, StuckByteReadsBackWrongWhateverIsWritten) {
  SimFaults faults;
  faults.stuckAddress = 100;
  SimulatedMouse mouse(faults);
  VirtualClock clock;
  DeviceLink link(mouse, clock);
  uint32_t version = kRequiredRelease;
  ASSERT_TRUE(link.OpenDevice(kServedVendorId, kServedProductId, version));
  ASSERT_TRUE(link.SendCommand(Command::BeginTransactionCmd));
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
    raw.Exchange(Request(Command::WriteAddressCmd, 10, 0, 1, 0));
    raw.Exchange({4, 7, 0x33, 0, 0, 0, 0, 0});
    raw.Exchange(Request(Command::EndTransactionCmd));
    EXPECT_EQ(ReadWholeFile(*options.stateFile).value().at(10), 0x33);  // kept at the end of the transaction
  }
  options.initialMemory = SimOptions::FilledMemory(0);
  auto again = SimulatedMouse::Create(options);
  ASSERT_TRUE(again);
  EXPECT_EQ(again.value()->Memory()[10], 0x33);
  EXPECT_EQ(again.value()->Memory()[11], 0x5A);
}

TEST_F(StateFileTest, StateFileOfAnotherSizeIsRefused) {
  std::ofstream(*options.stateFile) << "short";
  auto mouse = SimulatedMouse::Create(options);
  ASSERT_FALSE(mouse);
  EXPECT_EQ(mouse.error().kind, ErrorKind::BadFormat);
  EXPECT_EQ(fs::file_size(*options.stateFile), 5u);  // left as it was
}

struct FaultText {
  const char* text;
  bool valid;
};

class ParseSimFaultTest : public ::testing::TestWithParam<FaultText> {};

TEST_P(ParseSimFaultTest, AcceptsTheDocumentedKindsOnly) {
  SimFaults faults;
  EXPECT_EQ(ParseSimFault(GetParam().text, faults).ok(), GetParam().valid) << GetParam().text;
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
                                           FaultText{"notready:", false}, FaultText{"notready:3x", false},
                                           FaultText{"bogus", false}));

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
