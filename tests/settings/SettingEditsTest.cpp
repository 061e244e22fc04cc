#include <gtest/gtest.h>

#include "ShownImage.h"
#include "settings/SettingEdits.h"

namespace veltrax {
namespace {

using SettingEdits = test::ShownImage;

TEST_F(SettingEdits, EachNameReachesItsBytes) {
  struct Case {
    const char* edit;
    uint16_t address;
    uint8_t mask;
    uint8_t value;
  };
  const Case cases[] = {
      {"dpi.levels=6", 0x002, 0xFF, 6},
      {"dpi.value.2=6400", 0x007, 0xFF, 10},
      {"dpi.current=3", 0x030, 0xFF, 2},
      {"fireKey.shots=10", 0x0F2, 0xFF, 9},
      {"fireKey.intervalMs=2040", 0x0F8, 0xFF, 255},
      {"keyMode=B", 0x034, 0xFF, 0x80},
      {"keyModeMemory=nosave", 0x000, 0x08, 0x08},
      {"keyModeSwitch.middleKey=on", 0x001, 0x01, 0x01},
      {"keyModeSwitch.cpiKey=true", 0x001, 0x02, 0x02},
      {"sensorOrientation=90", 0x000, 0x70, 0x20},
      {"sensorOrientation=xy swap xy reverse", 0x000, 0x70, 0x00},
      {"lighting.on=off", 0x032, 0x08, 0x08},
      {"lighting.middleCpiSwitch=off", 0x000, 0x01, 0x00},
      {"lighting.leftCpiSwitch=off", 0x000, 0x04, 0x00},
      {"lighting.brightness=half", 0x003, 0x08, 0x00},
      {"lighting.currentMode=7", 0x032, 0x07, 7},
      {"lighting.modesOffered=2,4", 0x004, 0xFF, 0x15},
      {"lighting.ledCount=4", 0x003, 0xF0, 0x90},
      {"lighting.speedStep=7", 0x032, 0xE0, 0xE0},
      {"lighting.levelColor.1=#12AbFF", 0x01C, 0xFF, 0xFF},
      {"lighting.levelColor.4=purple", 0x023, 0xFF, 0xFF},
      {"lighting.keyModeColor.2=#010203", 0x019, 0xFF, 3},
  };
  for (const Case& k : cases) {
    SetUp();
    const Status done = ApplySettingEdit(c, state.dataBuf, k.edit);
    ASSERT_TRUE(done) << k.edit << ": " << done.error().context;
    EXPECT_EQ(Written()[k.address] & k.mask, k.value) << k.edit;
  }
}

TEST_F(SettingEdits, EditsFollowThePagesRules) {
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "dpi.current=2"));
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "dpi.levels=5"));
  EXPECT_EQ(Written()[0x030], 4) << "a new level count makes the highest level current";
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "keyMode=B"));
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "keyModeMemory=nosave"));
  EXPECT_EQ(Written()[0x034], 0x00);
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "lighting.currentMode=5"));
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "lighting.modesOffered=1,5"));
  EXPECT_EQ(Written()[0x032] & 0x07, 1) << "a new mode list makes mode 1 current";
}

TEST_F(SettingEdits, RefusalsNameWhatIsAllowedAndChangeNothing) {
  Show(SmartLedImage());
  struct Case {
    const char* edit;
    const char* says;
  };
  const Case cases[] = {
      {"dpi.levels=8", "2 to 7"},
      {"dpi.value.2=900", "500, 800, 1000, 1200, 1600, 2000, 2400, 3200, 4000, 4800, 6400"},
      {"dpi.value.6=800", "not enabled (4 levels)"},
      {"dpi.value.9=800", "1 to 7"},
      {"dpi.current=5", "1 to 4"},
      {"dpi.aim=800", "Please select a AIM Key in Profile!"},
      {"dpi.aim=801", "one of 500"},
      {"fireKey.shots=1", "2 to 127"},
      {"fireKey.intervalMs=50", "0 to 2040 in steps of 8"},
      {"keyMode=C", "A or B"},
      {"keyModeMemory=maybe", "save or nosave"},
      {"sensorOrientation=45", "\"X Reverse\""},
      {"lighting.on=dim", "on or off"},
      {"lighting.brightness=low", "full or half"},
      {"lighting.currentMode=2", "MCU LED"},
      {"lighting.ledCount=10", "MCU LED"},
      {"lighting.breathingMs=256", "0 to 255"},
      {"lighting.levelColor.1=#123456", "Red, Green, Yellow, Blue, Purple, Cyan, White"},
      {"lighting.keyModeColor.3=#000000", "1 or 2"},
      {"lighting.keyModeColor.1=pink", "#RRGGBB"},
      {"dpi.speed=5", "dpi.levels, dpi.value.N"},
      {"dpi.levels", "NAME=VALUE"},
  };
  const DeviceImage before = Written();
  for (const Case& k : cases) {
    const Status refused = ApplySettingEdit(c, state.dataBuf, k.edit);
    ASSERT_FALSE(refused) << k.edit;
    EXPECT_NE(refused.error().context.find(k.says), std::string::npos) << k.edit << ": " << refused.error().context;
    EXPECT_EQ(Written(), before) << k.edit;
  }
}

TEST_F(SettingEdits, SmartLedTakesNamedColoursAndBreathing) {
  Show(SmartLedImage());
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "lighting.levelColor.2=#00FFFF"));
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "lighting.levelColor.3=white"));
  ASSERT_TRUE(ApplySettingEdit(c, state.dataBuf, "lighting.breathingMs=200"));
  EXPECT_EQ(Written()[0x00E], 5);
  EXPECT_EQ(Written()[0x00F], 6);
  EXPECT_EQ(Written()[0x005], 200);
  const Status mcuOnly = ApplySettingEdit(c, state.dataBuf, "lighting.speedStep=1");
  ASSERT_FALSE(mcuOnly);
}

}  // namespace
}  // namespace veltrax
