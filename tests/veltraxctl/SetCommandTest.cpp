#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/FileIo.h"
#include "common/CliRun.h"
#include "common/TempFolder.h"
#include "image/DefaultImages.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

using test::RunCtl;

class SetCommandTest : public ::testing::Test {
 protected:
  std::string Sim() { return "--simulate=" + (folder / "mouse.bin").string() + " "; }
  std::string Profile(const DeviceImage& image) {
    const std::string path = (folder / "p.bin").string();
    EXPECT_TRUE(WriteFileAtomically(path, image));
    return path;
  }
  std::vector<uint8_t> Bytes(const std::string& path) { return ReadWholeFile(path).value(); }
  nlohmann::json Show(const std::string& file = "") {
    auto run = RunCtl(Sim() + "show --json " + file);
    EXPECT_EQ(run.status, 0) << run.out;
    return nlohmann::json::parse(run.out.substr(run.out.find('{')), nullptr, false);
  }

  test::TempFolder folder{"veltraxctl-set"};
};

TEST_F(SetCommandTest, EditsAProfileFileUnderThePagesRules) {
  const std::string file = Profile(DefaultImage(1));
  auto run = RunCtl(Sim() + "set " + file +
                    " dpi.current=2 dpi.levels=6 dpi.value.6=500 fireKey.shots=9 fireKey.intervalMs=80"
                    " lighting.on=off lighting.modesOffered=1,3,5 lighting.currentMode=5 lighting.ledCount=12"
                    " lighting.speedStep=0 lighting.levelColor.6=#102030 lighting.keyModeColor.1=cyan"
                    " keyModeSwitch.cpiKey=on lighting.brightness=half");
  ASSERT_EQ(run.status, 0) << run.out;
  const nlohmann::json d = Show(file);
  EXPECT_EQ(d["repaired"], nlohmann::json::array()) << "checksums stored";
  EXPECT_EQ(d["dpi"]["levels"], 6);
  EXPECT_EQ(d["dpi"]["current"], 6) << "the level count made the highest level current";
  EXPECT_EQ(d["dpi"]["values"][5], 500);
  EXPECT_EQ(d["fireKey"]["shots"], 9);
  EXPECT_EQ(d["fireKey"]["intervalMs"], 80);
  EXPECT_TRUE(d["keyModeSwitch"]["cpiKey"].get<bool>());
  const nlohmann::json& l = d["lighting"];
  EXPECT_FALSE(l["on"].get<bool>());
  EXPECT_EQ(l["brightness"], "half");
  EXPECT_EQ(l["modesOffered"], nlohmann::json({1, 3, 5}));
  EXPECT_EQ(l["currentMode"], 5);
  EXPECT_EQ(l["ledCount"], 12);
  EXPECT_EQ(l["speedStep"], 0);
  EXPECT_EQ(l["levelColors"][5], "#102030");
  EXPECT_EQ(l["keyModeColors"], nlohmann::json({"#00FFFF", "#FFFFFF"}));
}

TEST_F(SetCommandTest, ARefusedEditLeavesTheFileAsItWas) {
  const std::string file = Profile(DefaultImage(1));
  const std::vector<uint8_t> before = Bytes(file);
  auto run = RunCtl(Sim() + "set " + file + " dpi.levels=3 lighting.ledCount=20");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("lighting.ledCount is 4 to 13, not \"20\""), std::string::npos) << run.out;
  EXPECT_EQ(Bytes(file), before);

  DeviceImage damaged = DefaultImage(1);
  damaged[0x0F8] = 0x01;  // fire key changed without its checksum
  const std::string damagedFile = Profile(damaged);
  run = RunCtl(Sim() + "set " + damagedFile + " dpi.levels=3");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("FireKeySection fails its check"), std::string::npos) << run.out;
  EXPECT_EQ(Bytes(damagedFile), std::vector<uint8_t>(damaged.begin(), damaged.end()));

  EXPECT_EQ(RunCtl(Sim() + "set " + file).status, 2);
  EXPECT_EQ(RunCtl(Sim() + "set " + file + " dpi.levels=3 other.bin").status, 2);
}

// Real protocol pauses: one read and one write.
TEST_F(SetCommandTest, EditsTheMouseWithTheReadBackCheck) {
  auto run = RunCtl(Sim() + "set dpi.levels=7 lighting.levelColor.7=red keyMode=B");
  ASSERT_EQ(run.status, 0) << run.out;
  DeviceImage image;
  const std::vector<uint8_t> mouse = Bytes((folder / "mouse.bin").string());
  std::copy(mouse.begin(), mouse.end(), image.begin());
  EXPECT_EQ(image[0x002], 7);
  EXPECT_EQ(image[0x030], 6);
  EXPECT_EQ(image[0x034], 0x80);
  EXPECT_EQ(std::vector<uint8_t>(image.begin() + 0x02C, image.begin() + 0x02F), (std::vector<uint8_t>{255, 0, 0}));
  EXPECT_TRUE(ChecksumValid(std::span(image).subspan(0, 48)));
}

TEST_F(SetCommandTest, AimKeyDpiNeedsAnAimKeyButton) {
  auto run = RunCtl(Sim() + "set " + Profile(DefaultImage(1)) + " dpi.aim=3200");
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find("Please select a AIM Key in Profile!"), std::string::npos) << run.out;

  DeviceImage image = DefaultImage(1);
  image[0x05B + 3 * 4] = 0x0A;  // Mode B button 5: AIM key
  image[0x05B + 3 * 4 + 1] = 0x02;
  image[0x05B + 3 * 4 + 2] = 0x00;
  StoreChecksum(std::span(image).subspan(0x040, 55));
  const std::string file = Profile(image);
  run = RunCtl(Sim() + "set " + file + " dpi.aim=3200");
  ASSERT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(Show(file)["dpi"]["aim"], 3200);
  EXPECT_EQ(Bytes(file)[0x05B + 3 * 4 + 1], 7);
}

}  // namespace
}  // namespace veltrax
