#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "base/FileIo.h"
#include "common/CliRun.h"
#include "common/NamedCase.h"
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

struct FailCase : test::NamedCase {
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
                      FailCase{"unplugged", "--sim-fault=unplug:0", "read", "No VELTRAX mouse found"},
                      FailCase{"noPermission", "--sim-fault=denied", "read", "sudo tee /etc/udev/rules.d/"},
                      FailCase{"otherRelease", "--sim-fault=release:0x0103", "read", "release 0x0103 was found"},
                      FailCase{"infoStatusFlagClear", "--sim-fault=nostatus", "info", "not a served model"}),
    test::CaseName());

// scripts/run.sh goes by list: the mouse it would use on stdout, or on
// stderr why none can be used.
TEST_F(DeviceCommandsTest, ListNamesTheMouseOrWhyThereIsNone) {
  const struct {
    const char* faults;
    int status;
    const char* out;
    const char* err;
  } cases[] = {
      {"", 0, "sim:veltrax-mouse  0x04D9:0xFC55  release 0x0104  report 8  ready\n", ""},
      {"--sim-fault=unplug:0", 1, "", "veltraxctl: No VELTRAX mouse found (USB id 04d9:fc55)."},
      {"--sim-fault=denied", 1, "", "veltraxctl: The VELTRAX mouse is plugged in, but this user may not open it"},
      {"--sim-fault=release:0x0105", 1, "", "veltraxctl: A VELTRAX mouse of release 0x0105 was found"},
  };
  for (const auto& c : cases) {
    const auto run = test::RunApart(VELTRAXCTL, Sim(c.faults) + " list");
    EXPECT_EQ(run.status, c.status) << c.faults;
    EXPECT_EQ(run.out, c.out) << c.faults;
    EXPECT_EQ(run.err.substr(0, std::string(c.err).size()), c.err) << c.faults;
  }
}

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
