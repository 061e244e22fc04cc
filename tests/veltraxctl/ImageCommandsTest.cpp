#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "common/CliRun.h"
#include "base/FileIo.h"
#include "image/DefaultImages.h"
#include "image/SectionChecks.h"
#include "common/TempFolder.h"

namespace veltrax {
namespace {

namespace fs = std::filesystem;
using test::RunCtl;

class ImageCommandsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    state = (folder / "mouse.bin").string();
  }
  std::string Sim(const std::string& faults = "") { return "--simulate=" + state + " " + faults + " "; }
  std::string File(const char* name, const DeviceImage& image) {
    const std::string path = (folder / name).string();
    EXPECT_TRUE(WriteFileAtomically(path, image).ok());
    return path;
  }
  nlohmann::json ShowJson(const std::string& file = "") {
    auto run = RunCtl(Sim() + "show --json " + file);
    EXPECT_EQ(run.status, 0) << run.out;
    return nlohmann::json::parse(run.out.substr(run.out.find('{')), nullptr, false);
  }

  test::TempFolder folder{"veltraxctl-image"};
  std::string state;
};

TEST_F(ImageCommandsTest, NewSimulatedMouseShowsTheFactorySettings) {
  const nlohmann::json d = ShowJson();
  EXPECT_EQ(d["ledType"], "MCU LED");
  EXPECT_EQ(d["dpi"]["levels"], 4);
  EXPECT_EQ(d["dpi"]["values"], nlohmann::json({800, 1600, 2400, 3200, 4800, 6400, 3200}));
  EXPECT_EQ(d["dpi"]["current"], 1);
  EXPECT_TRUE(d["dpi"]["aim"].is_null());
  ASSERT_EQ(d["buttons"]["A"].size(), 9U);
  EXPECT_EQ(d["buttons"]["B"][8]["code"], "0600F0");
  EXPECT_EQ(d["fireKey"]["shots"], 3);
  EXPECT_EQ(d["fireKey"]["intervalMs"], 48);
  EXPECT_EQ(d["fireKey"]["trigger"], "Left Key");
  EXPECT_EQ(d["keyMode"], "Mode A");
  EXPECT_EQ(d["keyModeMemory"], "Save");
  EXPECT_EQ(d["sensorOrientation"], "180°");
  EXPECT_EQ(d["vendorCode"], 255);
  EXPECT_EQ(d["repaired"], nlohmann::json::array());
  EXPECT_EQ(d["keyModeSwitch"], nlohmann::json({{"middleKey", false}, {"cpiKey", false}}));
  EXPECT_EQ(d["lighting"], nlohmann::json::parse(R"({
      "on": true, "middleCpiSwitch": true, "leftCpiSwitch": true, "brightness": "full",
      "modesOffered": [1, 2, 3, 4, 5, 6, 7], "currentMode": 2, "ledCount": 10, "speedStep": 2, "breathingMs": 0,
      "levelColors": ["#00FF00", "#FF00FF", "#0000FF", "#FF0000", "#00FFFF", "#FFFF00", "#FFFFFF"],
      "keyModeColors": ["#FF007F", "#FFFFFF"]})"));
}

TEST_F(ImageCommandsTest, ShowOfADamagedFileNamesTheRepairedSections) {
  DeviceImage image = DefaultImage(1);
  image[0x007] = 0x0C;  // an index outside the DPI table
  StoreChecksum(std::span(image).subspan(0, 48));
  image[0x041] = 0x0A;  // profile changed without its checksum
  image[0x0F8] = 0x01;
  image[0x000] |= 0x02;  // fire on Fn + left key
  StoreChecksum(std::span(image).subspan(0, 48));
  const nlohmann::json d = ShowJson(File("d.bin", image));
  EXPECT_TRUE(d["dpi"]["values"][1].is_null());
  EXPECT_EQ(d["repaired"], nlohmann::json({"ProfileSection", "FireKeySection"}));
  EXPECT_EQ(d["fireKey"]["intervalMs"], 100 * 8);
  EXPECT_EQ(d["fireKey"]["trigger"], "Fn+Left Key");
}

// Real protocol pauses: one write here, the other flows are tested on virtual time.
TEST_F(ImageCommandsTest, WriteVerifies) {
  DeviceImage image = DefaultImage(1);
  image[0x500] = 0x42;
  const std::string file = File("p.bin", image);
  auto run = RunCtl(Sim() + "write " + file);
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(ReadWholeFile(state).value(), std::vector<uint8_t>(image.begin(), image.end()));
}

TEST_F(ImageCommandsTest, StuckByteEndsWriteWithFail) {
  auto run = RunCtl(Sim("--sim-fault=stuck:0x300 --trace") + "write " + File("p.bin", DefaultImage(1)));
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.out.find("veltraxctl: Fail"), std::string::npos) << run.out;
  // three repair passes, each a single-byte write of 0x300
  int repairs = 0;
  for (size_t at = 0; (at = run.out.find("set 04 06 00 03 01 00", at)) != std::string::npos; ++at) ++repairs;
  EXPECT_EQ(repairs, 3);
}

TEST_F(ImageCommandsTest, WriteInterruptedByUnpluggingSaysSoAtOnce) {
  DeviceImage image = DefaultImage(1);
  std::fill(image.begin() + 0x100, image.end(), 0xFF);  // erased macro memory reads like no answer
  auto run = RunCtl(Sim("--sim-fault=unplug:400") + "write " + File("p.bin", image));
  EXPECT_EQ(run.status, 1);
  EXPECT_EQ(run.out.find("verified"), std::string::npos) << run.out;
  EXPECT_NE(run.out.find("the mouse was unplugged during the write"), std::string::npos) << run.out;
}

TEST_F(ImageCommandsTest, WriteWhoseEndTheMouseRefusedIsNoSuccess) {
  auto run = RunCtl(Sim("--sim-fault=reject:5@8") + "write " + File("p.bin", DefaultImage(1)));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("may not have taken the image"), std::string::npos) << run.out;
  EXPECT_EQ(run.out.find("verified"), std::string::npos) << run.out;
}

TEST_F(ImageCommandsTest, WriteRefusedBeforeAnythingWasWrittenSaysSo) {
  const std::string file = File("p.bin", DefaultImage(1));
  for (const char* fault : {"mute", "marker:0x55", "model:0x35", "nostatus", "reject:5@6"}) {
    auto run = RunCtl(Sim(std::string("--sim-fault=") + fault) + "write " + file);
    EXPECT_EQ(run.status, 1) << fault;
    EXPECT_NE(run.out.find("nothing written"), std::string::npos) << fault << ": " << run.out;
    EXPECT_EQ(run.out.find("does not hold"), std::string::npos) << fault << ": " << run.out;
  }
}

TEST_F(ImageCommandsTest, SimulatedStateThatCannotBeKeptIsReported) {
  File("plain", DefaultImage(1));
  auto run = RunCtl("--simulate=" + (folder / "plain" / "mouse.bin").string() + " info");
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.out.find("state cannot be kept"), std::string::npos) << run.out;
}

TEST_F(ImageCommandsTest, InputsThatAreNoRegularFilesAreRefusedClearly) {
  const std::string library = (folder / "lib.bin").string();
  const std::string notAFile = "/dev/zero is not a regular file";
  const std::pair<std::string, std::string> cases[] = {
      {Sim() + "show /dev/zero", notAFile},
      {Sim() + "write /dev/zero", "VELTRAXData.bin file type error"},  // the window's own words for it
      {"--simulate=/dev/zero info", notAFile},
      {"assign /dev/zero A 2 \"Right Key\"", notAFile},
      {"macro --library /dev/zero list", notAFile},
      {"macro --library " + library + " import /dev/zero", notAFile},
      {Sim() + "macro --library " + library + " area /dev/zero", notAFile},
  };
  for (const auto& [args, message] : cases) {
    auto run = RunCtl(args);
    EXPECT_EQ(run.status, 1) << args << ": " << run.out;
    EXPECT_NE(run.out.find(message), std::string::npos) << args << ": " << run.out;
  }
}

TEST_F(ImageCommandsTest, WriteRefusesWhatIsNoProfile) {
  DeviceImage zeros{};
  auto run = RunCtl(Sim() + "write " + File("z.bin", zeros));
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("VELTRAXData.bin file type error"), std::string::npos) << run.out;
  EXPECT_EQ(ReadWholeFile(state).value(), std::vector<uint8_t>(DefaultImage(1).begin(), DefaultImage(1).end()));
  run = RunCtl(Sim() + "write " + (folder / "missing.bin").string());
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("missing.bin"), std::string::npos) << run.out;
}

}  // namespace
}  // namespace veltrax
