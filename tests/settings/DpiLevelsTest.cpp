#include <gtest/gtest.h>

#include "ShownImage.h"
#include "settings/DpiLevels.h"

namespace veltrax {
namespace {

using DpiLevels = test::ShownImage;

TEST_F(DpiLevels, TwoLevelsHideTheOthersAndMakeLevelTwoCurrent) {
  ASSERT_TRUE(ChooseLevelCount(c, 2));
  EXPECT_EQ(c.cb_CurrentCPI.items, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(CurrentLevel(c), 2);
  EXPECT_FALSE(LevelEnabled(c, 3));
  EXPECT_FALSE(c.cb_CPI[2].visible);
  EXPECT_TRUE(c.cb_CPI[1].visible);
  EXPECT_FALSE(ChooseLevelCount(c, 8));
  EXPECT_EQ(Written()[0x002], 2);
  EXPECT_EQ(Written()[0x030], 1);
  EXPECT_EQ(Written()[0x031], 0xFE);
}

TEST_F(DpiLevels, LabelClicksAddTheFirstDisabledAndRemoveTheLastEnabledLevel) {
  struct Case {
    int label;
    bool changes;
    int levelsAfter;
  };
  // From the factory's four levels, one click after another.
  const Case clicks[] = {{5, true, 5}, {5, true, 4}, {3, false, 4}, {2, false, 4}, {7, false, 4},
                         {5, true, 5}, {6, true, 6}, {7, true, 7}, {7, true, 6}, {1, false, 6}};
  for (const Case& click : clicks) {
    EXPECT_EQ(ClickLevelLabel(c, click.label), click.changes) << "label " << click.label;
    EXPECT_EQ(c.LevelCount, click.levelsAfter) << "label " << click.label;
    EXPECT_EQ(CurrentLevel(c), click.levelsAfter) << "the highest level is current";
  }
  ChooseLevelCount(c, 2);
  EXPECT_FALSE(ClickLevelLabel(c, 2));
  EXPECT_TRUE(ClickLevelLabel(c, 3));
}

TEST_F(DpiLevels, OnlyAnEnabledLevelBecomesCurrent) {
  EXPECT_TRUE(ChooseCurrentLevel(c, 3));
  EXPECT_FALSE(ChooseCurrentLevel(c, 6));
  EXPECT_EQ(CurrentLevel(c), 3);
  EXPECT_EQ(Written()[0x030], 2);
}

TEST_F(DpiLevels, SegmentClicksChooseTheValueOfEnabledLevelsOnly) {
  EXPECT_TRUE(ChooseLevelValue(c, 2, 4));
  EXPECT_EQ(LevelValueIndex(c, 2), 4);
  EXPECT_EQ(DpiTextId(4), "Str304");
  EXPECT_FALSE(ChooseLevelValue(c, 6, 0));
  EXPECT_FALSE(ChooseLevelValue(c, 1, 11));
  EXPECT_EQ(Written()[0x007], 4);
  EXPECT_EQ(Written()[0x00B], 10);
}

TEST_F(DpiLevels, AimDpiGoesIntoEveryAimKeyButtonAtOnce) {
  DeviceImage image = DefaultImage(1);
  image[0x049] = 0x0A;  // Mode A button 4: AIM key at 1200
  image[0x04A] = 0x03;
  image[0x04B] = 0x00;
  StoreChecksum(std::span(image).subspan(0x040, 55));
  Show(image);
  ASSERT_EQ(ChooseAimDpi(c, state.dataBuf, 7), AimChoice::Stored);
  EXPECT_EQ(c.AimDpiIndex, 7);
  EXPECT_EQ(c.cb_AIMKeyValue.itemIndex, 7);
  EXPECT_EQ(c.codeTexts[3], "0A0700");
  const DeviceImage& written = Written();
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 0x049, written.begin() + 0x04C), (std::vector<uint8_t>{0x0A, 0x07, 0x00}));
  EXPECT_TRUE(std::equal(written.begin() + 0x05B, written.begin() + 0x076, DefaultImage(1).begin() + 0x05B));
  EXPECT_EQ(ChooseAimDpi(c, state.dataBuf, 11), AimChoice::NoSuchDpi);
  EXPECT_EQ(c.AimDpiIndex, 7);
}

TEST_F(DpiLevels, AimDpiWithoutAnAimKeyFallsBackTo500) {
  c.cb_AIMKeyValue.Select(6);
  c.AimDpiIndex = 6;
  EXPECT_EQ(ChooseAimDpi(c, state.dataBuf, 8), AimChoice::NoAimKey);
  EXPECT_EQ(c.AimDpiIndex, 0);
  EXPECT_EQ(c.cb_AIMKeyValue.itemIndex, 0);
  EXPECT_EQ(Written()[0x040 + 3 * 8], 0x06) << "no button changed";
}

}  // namespace
}  // namespace veltrax
