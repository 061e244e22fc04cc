#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

#include "FlowFixture.h"
#include "base/FileIo.h"
#include "common/TempFolder.h"
#include "image/ProfileFile.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

using ::testing::ElementsAre;

class ProfileTest : public FlowTest {
 protected:
  std::filesystem::path WriteFile(const char* name, std::vector<uint8_t> bytes) {
    const auto path = dir / name;
    EXPECT_TRUE(WriteFileAtomically(path, bytes).ok());
    return path;
  }

  test::TempFolder folder{"veltrax-profile"};
  const std::filesystem::path dir = folder.path();
};

TEST(ProfileTarget, AppendsBinOnlyWhenMissing) {
  EXPECT_EQ(ProfileTarget("/tmp/a"), "/tmp/a.bin");
  EXPECT_EQ(ProfileTarget("/tmp/a.bin"), "/tmp/a.bin");
  EXPECT_EQ(ProfileTarget("/tmp/a.BIN"), "/tmp/a.BIN");
  EXPECT_EQ(ProfileTarget("/tmp/a.txt"), "/tmp/a.txt.bin");
}

TEST_F(ProfileTest, SaveReadsTheMouseAndWritesItsImage) {
  Ready();
  mouse.Memory()[0x200] = 0x5A;
  host.saveFile = dir / "mine";
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::SaveProfile)).profile, ProfileOutcome::Saved);
  EXPECT_EQ(Sequence(), "1 3 4(54,2) 5 4(0,2048) 5x342 8 2");
  auto saved = ReadWholeFile(dir / "mine.bin");
  ASSERT_TRUE(saved.ok());
  EXPECT_TRUE(std::equal(saved.value().begin(), saved.value().end(), mouse.Memory().begin()));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);  // no temporary left
}

TEST_F(ProfileTest, SaveWritesNothingWhenTheReadFails) {
  Ready();
  host.saveFile = dir / "mine.bin";
  mouse.Faults().rejectReplies = 10;  // the address commands of the identity read and the image read
  mouse.Faults().rejectCommand = 4;
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::SaveProfile)).profile, ProfileOutcome::ReadFailed);
  EXPECT_FALSE(std::filesystem::exists(dir / "mine.bin"));
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str109"));

  host.messages.clear();
  mouse.Faults() = SimFaults{};
  mouse.Memory()[54] = 0x01;  // identity rejected: not read either
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::SaveProfile)).profile, ProfileOutcome::ReadFailed);
  EXPECT_FALSE(std::filesystem::exists(dir / "mine.bin"));
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str107", "Str109"));
}

TEST_F(ProfileTest, LoadWritesTheFileBytesAsTheyAre) {
  Ready();
  std::vector<uint8_t> bytes(DefaultImage(1).begin(), DefaultImage(1).end());
  bytes[0x010] ^= 0xFF;  // damaged ParameterASection checksum
  bytes[0x500] = 0x77;
  host.openFile = WriteFile("p.bin", bytes);
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::LoadProfile)).profile, ProfileOutcome::Verified);
  EXPECT_EQ(Sequence(), std::string("1 3 ") + kWrite + " 8 2");
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), mouse.Memory().begin()));
  // The pages show the repaired section.
  const auto defaults = BuiltInDefaults(kParameterASection);
  EXPECT_TRUE(std::equal(defaults.begin(), defaults.end(), flows.State().dataBuf.Bytes(kParameterASection).begin()));
  EXPECT_TRUE(host.messages.empty());
}

TEST_F(ProfileTest, LoadRefusesWhatIsNoProfileAndChangesNothing) {
  std::vector<uint8_t> good(DefaultImage(1).begin(), DefaultImage(1).end());
  std::vector<uint8_t> noMarker = good;
  noMarker[0x07F] = 0x00;
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
  };
  const Case cases[] = {{"zeros", std::vector<uint8_t>(2048, 0)},
                        {"no marker", noMarker},
                        {"short", std::vector<uint8_t>(good.begin(), good.begin() + 200)},
                        {"tiny", std::vector<uint8_t>(10, 0x99)},
                        {"longer", longer},
                        {"empty", {}}};
  Ready();
  flows.State().workingImage[0x300] = 0x42;
  const ImageState before = flows.State();
  for (const Case& c : cases) {
    host.messages.clear();
    mouse.ClearLog();
    host.openFile = WriteFile(c.name, c.bytes);
    EXPECT_EQ(Ran(flows.Start(DeviceFlow::LoadProfile)).profile, ProfileOutcome::Refused) << c.name;
    EXPECT_THAT(host.MessageIds(), ElementsAre("Str102")) << c.name;
    EXPECT_EQ(host.messages[0].text, "VELTRAXData.bin file type error");
    EXPECT_TRUE(mouse.Log().empty()) << c.name;
    EXPECT_EQ(flows.State().workingImage, before.workingImage) << c.name;
    EXPECT_EQ(flows.State().dataBuf.bytes, before.dataBuf.bytes) << c.name;
  }
}

TEST_F(ProfileTest, UnreadableFileSaysWhy) {
  Ready();
  host.openFile = dir / "missing.bin";
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::LoadProfile)).profile, ProfileOutcome::Refused);
  ASSERT_EQ(host.messages.size(), 1U);
  EXPECT_EQ(host.messages[0].id, "");
  EXPECT_THAT(host.messages[0].text, ::testing::HasSubstr("missing.bin"));
}

TEST_F(ProfileTest, NoMouseOrCancelledDialogDoesNothing) {
  host.openFile = host.saveFile = dir / "x.bin";
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::LoadProfile)).profile, ProfileOutcome::NoDevice);
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::SaveProfile)).profile, ProfileOutcome::NoDevice);
  EXPECT_THAT(host.MessageIds(), ElementsAre("Str020", "Str020"));
  Open();
  host.openFile.reset();
  host.saveFile.reset();
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::LoadProfile)).profile, ProfileOutcome::Cancelled);
  EXPECT_EQ(Ran(flows.Start(DeviceFlow::SaveProfile)).profile, ProfileOutcome::Cancelled);
  EXPECT_TRUE(mouse.Log().empty());
}

}  // namespace
}  // namespace veltrax
