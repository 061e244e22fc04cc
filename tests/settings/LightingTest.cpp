#include <gtest/gtest.h>

#include "ShownImage.h"
#include "settings/ColorChoice.h"
#include "settings/Lighting.h"

namespace veltrax {
namespace {

using Lighting = test::ShownImage;

TEST_F(Lighting, FactoryImageShowsItsLightingOnTheBars) {
  LightBars bars;
  ShowLightBars(c, bars);
  EXPECT_EQ(bars.countSegment, 7);  // 10 LEDs
  EXPECT_EQ(bars.stepSegment, 3);   // step 2
  EXPECT_EQ(CurrentMode(c), 2);
  EXPECT_TRUE(ShowsMcuLed(c));
  EXPECT_TRUE(FirstSideChosen(c, OnOff::Lights));
  EXPECT_TRUE(FirstSideChosen(c, OnOff::Brightness));
  EXPECT_EQ(LevelSwatch(c, 1), (RgbColor{0, 255, 0}));
  EXPECT_EQ(KeyModeSwatch(c, 1), (RgbColor{255, 0, 127}));
}

TEST_F(Lighting, WithdrawingAModeHidesItAndMakesModeOneCurrent) {
  ASSERT_TRUE(ChooseCurrentMode(c, 5));
  SetModeOffered(c, 3, false);
  EXPECT_FALSE(ModeOffered(c, 3));
  EXPECT_EQ(c.cb_MCULEDCurrentMode.items.size(), 7U);
  EXPECT_EQ(c.cb_MCULEDCurrentMode.items[2], "------");
  EXPECT_EQ(c.cb_MCULEDCurrentMode.items[4], "Mode 5");
  EXPECT_EQ(CurrentMode(c), 1);
  EXPECT_FALSE(ChooseCurrentMode(c, 3));
  EXPECT_EQ(Written()[0x004], 0xF7);
  EXPECT_EQ(Written()[0x032] & 0x07, 1);
}

TEST_F(Lighting, LedCountTypingKeepsTheCountBetween4And13) {
  struct Case {
    const char* typed;
    const char* text;
    int segment;  // 0: the bar keeps the segment it showed
  };
  const Case cases[] = {{"1", "1", 0},   {"12", "12", 9}, {"0", "4", 1},   {"", "4", 1},  {"3", "4", 1},
                        {"2", "4", 1},   {"99", "13", 10}, {"14", "13", 10}, {"7", "7", 4}, {"1x3", "13", 10}};
  for (const Case& k : cases) {
    LightBars bars{.countSegment = 42};
    LedCountTyped(c, bars, k.typed);
    EXPECT_EQ(c.edt_MCULEDNum.text, k.text) << k.typed;
    EXPECT_EQ(bars.countSegment, k.segment ? k.segment : 42) << k.typed;
  }
  LightBars bars;
  LedCountTyped(c, bars, "1");
  LedCountLeft(c, bars);
  EXPECT_EQ(c.edt_MCULEDNum.text, "4");
  EXPECT_EQ(bars.countSegment, 1);
}

TEST_F(Lighting, SpeedStepTypingKeepsTheStepBetween0And7) {
  for (auto [typed, text, segment] : {std::tuple{"9", "7", 8}, {"", "0", 1}, {"5", "5", 6}}) {
    LightBars bars;
    SpeedStepTyped(c, bars, typed);
    EXPECT_EQ(c.edt_MCULEDCrtStep.text, text);
    EXPECT_EQ(bars.stepSegment, segment);
  }
  LightBars bars;
  ClickSpeedSegment(c, bars, 8);
  EXPECT_EQ(Written()[0x032] >> 5, 7);
}

TEST_F(Lighting, BarClicksWriteTheirEditUnderTheGuard) {
  LightBars bars;
  ClickLedCountSegment(c, bars, 1);
  EXPECT_EQ(c.edt_MCULEDNum.text, "4");
  EXPECT_EQ(bars.countSegment, 1);
  EXPECT_FALSE(bars.barEditGuard);
  EXPECT_EQ(Written()[0x003] >> 4, 9);

  bars.barEditGuard = true;  // a bar click in progress: its own text is no typing
  LedCountTyped(c, bars, "2");
  SpeedStepTyped(c, bars, "9");
  EXPECT_EQ(c.edt_MCULEDNum.text, "4");
  EXPECT_EQ(c.edt_MCULEDCrtStep.text, "2");
}

TEST_F(Lighting, OnOffPairsReachTheirBits) {
  ChooseSide(c, OnOff::Lights, false);
  ChooseSide(c, OnOff::MiddleCpiSwitch, false);
  ChooseSide(c, OnOff::LeftCpiSwitch, false);
  ChooseSide(c, OnOff::Brightness, false);
  const DeviceImage& written = Written();
  EXPECT_EQ(written[0x032] & 0x08, 0x08);
  EXPECT_EQ(written[0x033], 0xFF - written[0x032]);
  EXPECT_EQ(written[0x000] & 0x05, 0x00);
  EXPECT_EQ(written[0x003] & 0x08, 0x00);
}

TEST_F(Lighting, LevelColourClicksOpenTheDialogOfTheImagesLedType) {
  EXPECT_EQ(LevelColorDialog(c, 1), ColorDialog::System);
  EXPECT_EQ(LevelColorDialog(c, 5), ColorDialog::None) << "level 5 is disabled";
  c.rb_NorLED.checked = true;  // switched on the engineer page: the image's type still counts
  EXPECT_EQ(LevelColorDialog(c, 1), ColorDialog::System);
  Show(SmartLedImage());
  EXPECT_EQ(LevelColorDialog(c, 1), ColorDialog::Named);
  c.LedType.clear();  // the mouse was lost
  EXPECT_EQ(LevelColorDialog(c, 1), ColorDialog::None);
}

TEST_F(Lighting, SmartLedColourChoiceTakesTheMarkedColourOnConfirm) {
  Show(SmartLedImage());
  ColorChoice choice(3);
  choice.Mark(6);
  EXPECT_TRUE(choice.Marked(6));
  choice.Mark(2);
  EXPECT_FALSE(choice.Marked(6));
  choice.Mark(6);
  ASSERT_TRUE(choice.Confirm(c));
  EXPECT_EQ(c.cb_CPIColor[2].itemIndex, 5);
  EXPECT_EQ(LevelSwatch(c, 3), (RgbColor{0, 255, 255}));
  EXPECT_EQ(Written()[0x00F], 5);

  ColorChoice cancelled(3);
  cancelled.Mark(1);
  cancelled.Clear();
  EXPECT_EQ(cancelled.Chosen(), ColorChoice::kNone);
  EXPECT_FALSE(cancelled.Confirm(c));
  EXPECT_EQ(c.cb_CPIColor[2].itemIndex, 5);
}

TEST_F(Lighting, SmartLedImageWritesItsFixedModeBytes) {
  Show(SmartLedImage());
  EXPECT_FALSE(ShowsMcuLed(c));
  EXPECT_EQ(Written()[0x004], 0xFF);
  EXPECT_EQ(Written()[0x032], 0x01);
  ChooseSide(c, OnOff::Lights, false);
  EXPECT_EQ(Written()[0x032], 0x09);
}

TEST_F(Lighting, SystemColoursFillTheEditsOfALevelOrKeyMode) {
  ChooseLevelRgb(c, 2, {18, 52, 86});
  EXPECT_EQ(c.edt_CPI[1].r.text, "18");
  EXPECT_EQ(c.edt_CPI[1].g.text, "52");
  EXPECT_EQ(c.edt_CPI[1].b.text, "86");
  EXPECT_EQ(LevelSwatch(c, 2), (RgbColor{18, 52, 86}));
  ChooseKeyModeColor(c, 2, {1, 2, 3});
  const DeviceImage& written = Written();
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 0x01D, written.begin() + 0x020), (std::vector<uint8_t>{18, 52, 86}));
  EXPECT_EQ(std::vector<uint8_t>(written.begin() + 0x017, written.begin() + 0x01A), (std::vector<uint8_t>{1, 2, 3}));

  ColorPartTyped(c.edt_CPI[0].g, "300");
  EXPECT_EQ(c.edt_CPI[0].g.text, "255");
  ColorPartTyped(c.edt_CPI[0].g, "");
  EXPECT_EQ(c.edt_CPI[0].g.text, "0");
}

}  // namespace
}  // namespace veltrax
