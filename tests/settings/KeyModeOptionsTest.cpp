#include <gtest/gtest.h>

#include "ShownImage.h"
#include "settings/KeyModeOptions.h"

namespace veltrax {
namespace {

using KeyModeOptions = test::ShownImage;

TEST_F(KeyModeOptions, ShotControlsFollowEachOther) {
  FireKeyEdits edits;
  ShowFireKeyEdits(c, edits);
  EXPECT_EQ(edits.shots, "3");
  EXPECT_EQ(edits.interval, "6");

  ASSERT_TRUE(ChooseShots(c, edits, 5));
  EXPECT_EQ(edits.shots, "5");
  EXPECT_EQ(Written()[0x0F2], 4);

  ShotsTyped(c, edits, "300");
  EXPECT_EQ(edits.shots, "127");
  EXPECT_EQ(c.cb_FireCount.items[c.cb_FireCount.itemIndex], "127");

  // Below two shots while typing: the selector keeps its shots until the edit is left.
  ShotsTyped(c, edits, "1");
  EXPECT_EQ(edits.shots, "1");
  EXPECT_EQ(Shots(c), 127);
  ShotsLeft(c, edits);
  EXPECT_EQ(edits.shots, "2");
  EXPECT_EQ(Written()[0x0F2], 1);
  ShotsTyped(c, edits, "");
  EXPECT_EQ(edits.shots, "2");
}

TEST_F(KeyModeOptions, IntervalEditsCopyEachOther) {
  FireKeyEdits edits;
  FireTimeTyped(c, edits, "");
  EXPECT_EQ(c.edt_FireTime.text, "100");
  EXPECT_EQ(edits.interval, "100");
  IntervalTyped(c, edits, "");
  EXPECT_EQ(edits.interval, "0");
  EXPECT_EQ(c.edt_FireTime.text, "0");
  IntervalTyped(c, edits, "999");
  EXPECT_EQ(c.edt_FireTime.text, "255");
  EXPECT_EQ(Written()[0x0F8], 255);
  EXPECT_EQ(Written()[0x0FA], Checksum(std::span(state.workingImage).subspan(0x0F0, 10)));
}

TEST_F(KeyModeOptions, NoSaveLocksTheKeyModeOnModeA) {
  ChooseKeyMode(c, true);
  ChooseKeyModeMemory(c, false);
  EXPECT_EQ(c.cb_KeyMode.itemIndex, 0);
  EXPECT_FALSE(c.cb_KeyMode.enabled);
  ChooseKeyModeMemory(c, true);
  EXPECT_TRUE(c.cb_KeyMode.enabled);
  EXPECT_EQ(c.cb_KeyMode.itemIndex, 0);
  ChooseKeyModeMemory(c, false);
  const DeviceImage& written = Written();
  EXPECT_EQ(written[0x000] & 0x08, 0x08);
  EXPECT_EQ(written[0x034], 0x00);

  DeviceImage image = DefaultImage(1);
  image[0x000] |= 0x08;
  StoreChecksum(std::span(image).subspan(0, 48));
  Show(image);
  ShowKeyModeMemory(c);
  EXPECT_FALSE(c.cb_KeyMode.enabled);
}

TEST_F(KeyModeOptions, SensorOrientationItemsWriteTheirCodes) {
  ASSERT_TRUE(ChooseSensorOrientation(c, 6));  // "XY Swap XY Reverse"
  EXPECT_EQ(Written()[0x000] & 0x70, 0x00);
  ChooseSensorOrientation(c, 0);  // 0°
  EXPECT_EQ(Written()[0x000] & 0x70, 0x70);
  EXPECT_FALSE(ChooseSensorOrientation(c, 8));
}

}  // namespace
}  // namespace veltrax
