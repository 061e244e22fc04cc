#include "resources/LayoutTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "resources/GlobalOptions.h"
#include "resources/IniText.h"

namespace veltrax {
namespace {

constexpr char kLayout[] =
    "; comment = not a key\r\n"
    "//==== banner ====\r\n"
    "[org1]\r\n"
    "  Btn_A1_Enable =  1  \r\n"
    "Btn_A1_X=2640\r\n"
    "Btn_A1_Y = 600\r\n"
    "btn_a2_enable=1\nBTN_A2_X=10\nBtn_A2_Y=20\n"
    "Btn_A3_Enable=0\nBtn_A3_X=10\nBtn_A3_Y=20\n"
    "Btn_A4_Enable=2\nBtn_A4_X=10\nBtn_A4_Y=20\n"
    "DPI1_X=5\nDPI1_Y=661\n"
    "DPI2_X=-1\nDPI2_Y=5\n"
    "Half_X=5\n"
    "Color_G_SF_R=255\nColor_G_SF_G=128\nColor_G_SF_B=1\n"
    "Color_X_R=300\nColor_X_G=-4\nColor_X_B=0\n"
    "Color_Y_R=1\nColor_Y_G=2\n"
    "[org2]\nBtn_A2_X=99\n";

TEST(LayoutTable, PlacesControlsByPositionAndEnableFlag) {
  const LayoutTable layout = LayoutTable::Parse(kLayout, "org1");
  struct Case {
    const char* name;
    bool enabled;
    bool visible;
  };
  const Case cases[] = {
      {"Btn_A1", true, false},  // enabled, but x lies outside the window
      {"Btn_A2", true, true},   {"Btn_A3", false, false}, {"Btn_A4", false, false},
      {"DPI1", true, true},     // no _Enable key: enabled
      {"DPI2", true, false},    {"Half", false, false},   {"Nothing", false, false},
  };
  for (const Case& c : cases) {
    const Placement place = layout.Place(c.name, 1030, 662);
    EXPECT_EQ(place.enabled, c.enabled) << c.name;
    EXPECT_EQ(place.visible, c.visible) << c.name;
  }
  EXPECT_EQ(layout.Place("Btn_A2", 1030, 662).x, 10);
  EXPECT_EQ(layout.Place("Btn_A2", 1030, 662).y, 20);
  EXPECT_FALSE(LayoutTable::Parse(kLayout, "org1").Place("DPI1", 1030, 661).visible);
}

TEST(LayoutTable, CombinesColoursAsRedGreenBlue) {
  const LayoutTable layout = LayoutTable::Parse(kLayout, "org1");
  EXPECT_EQ(layout.Color("Color_G_SF"), 255u + 128u * 256u + 1u * 65536u);
  EXPECT_EQ(layout.Color("Color_X"), 255u);  // components clamped to 0..255
  EXPECT_EQ(layout.Color("Color_Y"), std::nullopt);
  const Rgb rgb = SplitColor(*layout.Color("Color_G_SF"));
  EXPECT_EQ(rgb.r, 255);
  EXPECT_EQ(rgb.g, 128);
  EXPECT_EQ(rgb.b, 1);
}

TEST(LayoutTable, ReadsOnlyItsSectionAndNamesMissingKeys) {
  const LayoutTable second = LayoutTable::Parse(kLayout, "org2");
  EXPECT_EQ(second.Int("Btn_A2_X"), 99);
  EXPECT_EQ(second.Int("Btn_A1_X"), std::nullopt);
  const std::string_view keys[] = {"Btn_A1_X", "Half_Y", "Color_X_G"};
  const std::vector<std::string> missing = LayoutTable::Parse(kLayout, "org1").MissingKeys(keys);
  EXPECT_EQ(missing, std::vector<std::string>{"Half_Y"});
}

TEST(IniSection, ReadsDecimalIntegersOnly) {
  const IniSection ini = IniSection::Parse(
      "[s]\na=12\nb=-3\nc=+4\nd=1a\ne=\nf=99999999999\ng=+-5\nh=0x10\ni = 7 \n", "s");
  const std::pair<const char*, std::optional<int>> cases[] = {
      {"a", 12}, {"b", -3}, {"c", 4}, {"d", std::nullopt}, {"e", std::nullopt}, {"f", std::nullopt},
      {"g", std::nullopt}, {"h", std::nullopt}, {"i", 7}, {"missing", std::nullopt}};
  for (const auto& [key, value] : cases) EXPECT_EQ(ini.Int(key), value) << key;
  EXPECT_EQ(ini.Value("e"), std::string());
}

TEST(LayoutTable, StepSegmentsLieOneGapApart) {
  EXPECT_EQ(StepSegmentX(100, 4, 20, 1), 100);
  EXPECT_EQ(StepSegmentX(100, 4, 20, 11), 340);
}

constexpr char kOptions[] =
    "; options\n[org]\nWeb_Enable=2\nWeb=https://x.example/a b\nWeb_X=1050\nWeb_Y=1575\n"
    "Rev_Manu_ID=0\nRev_Pro_ID=7\nPath=\nTR_Enable=1\nDPILED_Status=0\nNum_Order=5\n";

TEST(GlobalOptions, ReadsAndClampsTheShippedKeys) {
  const Result<GlobalOptions> options = GlobalOptions::Parse(kOptions);
  ASSERT_TRUE(options.ok()) << options.error().context;
  EXPECT_FALSE(options.value().WebEnabled());  // only 1 enables
  EXPECT_EQ(options.value().web, "https://x.example/a b");
  EXPECT_EQ(options.value().revProId, 7);
  EXPECT_EQ(options.value().path, "");
  EXPECT_TRUE(options.value().RollingCaptions());
  EXPECT_FALSE(options.value().SliderBars());
  EXPECT_EQ(options.value().numOrder, 1);
  std::string negative = kOptions;
  negative.replace(negative.find("Num_Order=5"), 11, "Num_Order=-3");
  EXPECT_EQ(GlobalOptions::Parse(negative).value().numOrder, 0);
}

TEST(GlobalOptions, RefusesMissingOrBrokenIntegers) {
  std::string text = kOptions;
  text.replace(text.find("TR_Enable=1"), 11, "TR_Enable=on");
  text.replace(text.find("Web_X=1050\n"), 11, "");
  const Result<GlobalOptions> options = GlobalOptions::Parse(text);
  ASSERT_FALSE(options.ok());
  EXPECT_EQ(options.error().kind, ErrorKind::BadFormat);
  EXPECT_NE(options.error().context.find("Web_X, TR_Enable"), std::string::npos) << options.error().context;
}

TEST(GlobalOptions, NumbersUnderBarsFollowTheOrder) {
  EXPECT_EQ(ScaleNumber(1, 8, 0), 1);
  EXPECT_EQ(ScaleNumber(1, 8, 1), 8);
  EXPECT_EQ(ScaleNumber(3, 10, 1), 8);
}

}  // namespace
}  // namespace veltrax
