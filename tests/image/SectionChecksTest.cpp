#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "image/DefaultImages.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

DeviceImage Golden(const char* name) {
  std::ifstream in(std::string(VELTRAX_TEST_DATA) + "/" + name, std::ios::binary);
  std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  DeviceImage image{};
  EXPECT_EQ(bytes.size(), image.size()) << name;
  std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
  return image;
}

std::vector<uint8_t> SectionOf(const DataBuf& buf, const Section& s) {
  auto bytes = buf.Bytes(s);
  return {bytes.begin(), bytes.end()};
}

TEST(DefaultImage, MatchesTheGoldenFactoryImageWithItsChecksums) {
  const DeviceImage& image = DefaultImage(1);
  EXPECT_EQ(image, Golden("factory_image.bin"));
  EXPECT_EQ(image[0x02F], 0x72);
  EXPECT_EQ(image[0x076], 0x06);
  EXPECT_EQ(image[0x0FA], 0x96);
  EXPECT_EQ(image[kTypeMarkerAddress], kTypeMarker);
  EXPECT_EQ(DefaultImage(2), image);
  EXPECT_EQ(DefaultImage(3), image);

  ImageState state;
  state.workingImage = image;
  ImageToDataBuf(state);
  EXPECT_TRUE(state.repaired.empty());
}

TEST(BuiltInDefaults, CarryValidChecksums) {
  EXPECT_EQ(BuiltInDefaults(kParameterASection).back(), 0x79);
  EXPECT_EQ(BuiltInDefaults(kProfileSection).back(), 0xFE);
  EXPECT_EQ(BuiltInDefaults(kFireKeySection).back(), 0x70);
  for (const Section& s : {kParameterASection, kProfileSection, kFireKeySection}) {
    EXPECT_TRUE(ChecksumValid(BuiltInDefaults(s))) << s.name;
  }
  EXPECT_EQ(BuiltInDefaults(kSection080), std::vector<uint8_t>(30, 0));
}

TEST(SectionChecks, ParameterBSectionRepairsPairByPair) {
  struct Case {
    std::vector<uint8_t> in, out;
    bool repaired;
  };
  const std::vector<Case> cases{
      {{0x00, 0xFF, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF}, {0x00, 0xFF, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF}, false},
      {{0x00, 0x00, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF}, {0x01, 0xFE, 0x42, 0xBD, 0x00, 0xFF, 0xFF, 0xFF}, true},
      {{0x00, 0xFF, 0x42, 0x42, 0x07, 0x07, 0x12, 0x34}, {0x00, 0xFF, 0x01, 0xFE, 0x00, 0xFF, 0x12, 0x34}, true},
  };
  for (const Case& c : cases) {
    DataBuf buf;
    std::copy(c.in.begin(), c.in.end(), buf.Bytes(kParameterBSection).begin());
    EXPECT_EQ(CheckParameterBSection(buf), c.repaired);
    EXPECT_EQ(SectionOf(buf, kParameterBSection), c.out);
  }
}

TEST(SectionChecks, ZeroParameterASectionAndChangedIntervalRevertToBuiltInDefaults) {
  DataBuf buf;  // all zero: the checksum of 47 zero bytes is 0x5A, not 0
  EXPECT_TRUE(CheckParameterASection(buf));
  EXPECT_EQ(SectionOf(buf, kParameterASection), BuiltInDefaults(kParameterASection));

  const std::vector<uint8_t> fire{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x06, 0xFC, 0x96};
  std::copy(fire.begin(), fire.end(), buf.Bytes(kFireKeySection).begin());
  EXPECT_FALSE(CheckFireKeySection(buf));
  buf.At(0x0F8) = 0x07;
  EXPECT_TRUE(CheckFireKeySection(buf));
  EXPECT_EQ(buf.At(0x0F8), 0x64);
}

TEST(ImageToDataBuf, DamagedGoldenImageIsRepairedInDataBufOnly) {
  ImageState state;
  state.workingImage = Golden("damaged_image.bin");
  const DeviceImage before = state.workingImage;
  ImageToDataBuf(state);
  EXPECT_EQ(state.repaired,
            (std::vector<std::string>{"ParameterASection", "ParameterBSection", "ProfileSection", "FireKeySection"}));
  EXPECT_EQ(SectionOf(state.dataBuf, kParameterASection), BuiltInDefaults(kParameterASection));
  EXPECT_EQ(SectionOf(state.dataBuf, kProfileSection), BuiltInDefaults(kProfileSection));
  EXPECT_EQ(state.dataBuf.At(0x030), 0x01);
  EXPECT_EQ(state.dataBuf.At(0x031), 0xFE);
  EXPECT_EQ(state.dataBuf.At(0x032), 0x42);  // the intact pair stays
  EXPECT_EQ(state.dataBuf.At(0x0F8), 0x64);
  EXPECT_EQ(state.workingImage, before);
}

TEST(ImageToDataBuf, AllFfImageShowsDefaultsRepairedPairsAndFfElsewhere) {
  ImageState state;
  state.workingImage.fill(0xFF);
  ImageToDataBuf(state);
  EXPECT_EQ(SectionOf(state.dataBuf, kParameterBSection),
            (std::vector<uint8_t>{0x01, 0xFE, 0x01, 0xFE, 0x00, 0xFF, 0xFF, 0xFF}));
  EXPECT_EQ(SectionOf(state.dataBuf, kSection0B0), std::vector<uint8_t>(20, 0xFF));
  EXPECT_EQ(SectionOf(state.dataBuf, kFireKeySection), BuiltInDefaults(kFireKeySection));
  EXPECT_EQ(state.macroBuffer[0], 0xFF);
}

TEST(DataBuf, AddressesMapToPackedOffsets) {
  EXPECT_EQ(DataBuf::OffsetOf(0x000), 0);
  EXPECT_EQ(DataBuf::OffsetOf(0x037), 55);
  EXPECT_EQ(DataBuf::OffsetOf(0x040), 56);
  EXPECT_EQ(DataBuf::OffsetOf(0x05B), 83);
  EXPECT_EQ(DataBuf::OffsetOf(0x0ED), 190);
  EXPECT_EQ(DataBuf::OffsetOf(0x0FA), 201);
  EXPECT_EQ(DataBuf::OffsetOf(0x038), -1);
  DataBuf buf;
  EXPECT_THROW(buf.At(0x07F), std::out_of_range);
}

}  // namespace
}  // namespace veltrax
