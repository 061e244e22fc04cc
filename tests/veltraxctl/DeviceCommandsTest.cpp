#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "common/CliRun.h"
#include "base/FileIo.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;
using test::RunCtl;

class DeviceCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state = (folder / "mouse.bin").string();
  }
  std::string Sim(const std::string& faults = "") { return "--simulate=" + state + " " + faults; }

  test::TempFolder folder{"veltraxctl"};
  std::string state;
};

TEST_F(DeviceCommandsTest, InfoShowsTheIdentityOfTheSimulatedMouse) {
  auto run = RunCtl(Sim("--sim-fault=identity:18,52") + " info");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_NE(run.out.find("marker:       0xAA"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("status flag:  set"), std::string::npos);
  EXPECT_NE(run.out.find("model code:   0x99"), std::string::npos);
  EXPECT_NE(run.out.find("identity:     18 52"), std::string::npos);
}

TEST_F(DeviceCommandsTest, ReadWritesTheWholeMemoryOfTheMouse) {
  const std::string file = (folder / "image.bin").string();
  auto run = RunCtl(Sim() + " read " + file);
  ASSERT_EQ(run.status, 0) << run.out;
  auto image = ReadWholeFile(file);
  ASSERT_TRUE(image);
  EXPECT_EQ(image.value(), ReadWholeFile(state).value());
}

struct FailCase {
  const char* name;
  const char* faults;
  const char* command;
  const char* message;
};

class DeviceCommandFailureTest : public DeviceCommandsTest, public ::testing::WithParamInterface<FailCase> {};

TEST_P(DeviceCommandFailureTest, FailsClearlyAndLeavesNoFile) {
  const std::string file = (folder / "out.bin").string();
  const std::string command = GetParam().command;
  auto run = RunCtl(Sim(GetParam().faults) + " " + command + (command == "read" ? " " + file : ""));
  EXPECT_EQ(run.status, 1) << run.out;
  EXPECT_NE(run.out.find(GetParam().message), std::string::npos) << run.out;
  EXPECT_FALSE(fs::exists(file));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DeviceCommandFailureTest,
    ::testing::Values(FailCase{"mute", "--sim-fault=mute", "read", "does not answer"},
                      FailCase{"statusFlagClear", "--sim-fault=nostatus", "read", "not a served model"},
                      FailCase{"otherModel", "--sim-fault=model:0x35", "read", "not a served model"},
                      FailCase{"noMarker", "--sim-fault=marker:0x55", "read", "identity marker"},
                      FailCase{"readAddressRefused", "--sim-fault=reject:5@4", "read", "refused the read"},
                      FailCase{"damagedChunk", "--sim-fault=reject:10@5", "read", "left a chunk unanswered"},
                      FailCase{"unplugged", "--sim-fault=unplug:0", "read", "no VELTRAX mouse found"},
                      FailCase{"infoStatusFlagClear", "--sim-fault=nostatus", "info", "not a served model"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(DeviceCommandsTest, ButtonsPrintsTheHeldButtons) {
  auto run = RunCtl(Sim("--sim-fault=buttons:0x0105") + " buttons");
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(run.out, "0x0105 0 2 8\n");
}

TEST_F(DeviceCommandsTest, UsageErrorsExitWithTwo) {
  EXPECT_EQ(RunCtl(Sim("--sim-fault=bogus") + " info").status, 2);
  EXPECT_EQ(RunCtl("--sim-fault=mute info").status, 2);
  EXPECT_EQ(RunCtl("frobnicate").status, 2);
  EXPECT_EQ(RunCtl("--help").status, 0);
}

}  // namespace
}  // namespace veltrax
