#include <gtest/gtest.h>

#include "image/DefaultImages.h"
#include "image/FieldConversions.h"
#include "image/FieldTables.h"
#include "image/SectionChecks.h"

namespace veltrax {
namespace {

struct Shown : ::testing::Test {
  void SetUp() override { Show(DefaultImage(1)); }
  void Show(const DeviceImage& image) {
    state.workingImage = image;
    ImageToDataBuf(state);
    DataBufToUI(state.dataBuf, c, views);
  }
  // The controls written back over a copy of the shown DataBuf.
  DataBuf WrittenBack() {
    DataBuf buf = state.dataBuf;
    UIToDataBuf(c, buf);
    return buf;
  }
  ImageState state;
  EngineerControls& c = state.controls;
  PageViews views;
};

TEST_F(Shown, FactoryImageShowsTheFactoryValues) {
  EXPECT_TRUE(c.rb_MCPIOn.checked && !c.rb_MCPIOff.checked);
  EXPECT_TRUE(c.rb_LCPIOn.checked);
  EXPECT_TRUE(c.rb_Save.checked && !c.rb_NoSave.checked);
  EXPECT_EQ(c.cb_SensorOri.items[c.cb_SensorOri.itemIndex], "180°");
  EXPECT_TRUE(c.rb_MCULED.checked && !c.rb_NorLED.checked);
  EXPECT_EQ(c.LedType, "MCULED");
  EXPECT_EQ(c.LevelCount, 4);
  std::vector<std::string> values;
  for (const Selector& s : c.cb_CPI) values.push_back(s.items[s.itemIndex]);
  EXPECT_EQ(values, (std::vector<std::string>{"800", "1600", "2400", "3200", "4800", "6400", "3200"}));
  EXPECT_EQ(c.cb_CurrentCPI.items, (std::vector<std::string>{"1", "2", "3", "4"}));
  EXPECT_EQ(c.cb_CurrentCPI.itemIndex, 0);  // the stored level, not the highest
  EXPECT_EQ(c.edt_MCULEDNum.text, "10");
  EXPECT_TRUE(c.rb_MCULED3Control.checked);
  EXPECT_EQ(c.cb_MCULEDCurrentMode.itemIndex, 1);
  EXPECT_EQ(c.edt_MCULEDCrtStep.text, "2");
  EXPECT_TRUE(c.rb_LEDOn.checked && !c.rb_LEDOff.checked);
  EXPECT_EQ(c.cb_KeyMode.itemIndex, 0);
  EXPECT_EQ(c.edt_VendorID.text, "255");
  EXPECT_EQ(c.edt_ProductID.text, "255");
  EXPECT_EQ(c.cb_FireCount.items[c.cb_FireCount.itemIndex], "3");
  EXPECT_EQ(c.edt_FireTime.text, "6");
  EXPECT_EQ(c.codeTexts[0], "010100");
  EXPECT_EQ(c.codeTexts[17], "0600F0");
  EXPECT_FALSE(c.cb_CPI[4].visible);
  EXPECT_TRUE(c.cb_CPI[3].visible);
}

TEST_F(Shown, FactoryImageRoundTripsByteForByte) {
  const DataBuf buf = WrittenBack();
  EXPECT_EQ(buf.bytes, state.dataBuf.bytes);
  EXPECT_EQ(buf.At(0x001), 0xF8);
}

TEST_F(Shown, EveryEditedByteIsWrittenFromTheControls) {
  // Controls decoded from the factory image, written over a scrambled DataBuf:
  // every byte a control holds must come back to its factory value.
  DataBuf buf = state.dataBuf;
  for (uint16_t a : {0x002, 0x004, 0x005, 0x006, 0x00C, 0x00D, 0x014, 0x02E, 0x030, 0x031, 0x032, 0x033, 0x034,
                     0x035, 0x036, 0x037, 0x0F2, 0x0F8}) {
    buf.At(a) = 0x5C;
  }
  UIToDataBuf(c, buf);
  EXPECT_EQ(buf.bytes, state.dataBuf.bytes);
}

TEST_F(Shown, NeitherRadioCheckedKeepsTheBitAndNoSelectionWritesFf) {
  c.rb_MCPIOn.checked = c.rb_MCPIOff.checked = false;
  c.rb_Save.checked = false;
  c.rb_NoSave.checked = true;
  c.cb_SensorOri.Select(-1);
  c.cb_CPI[2].Select(99);
  const DataBuf buf = WrittenBack();
  EXPECT_EQ(buf.At(0x000), 0x45 | 0x08);  // bit 0 kept, bit 3 no save, sensor kept
  EXPECT_EQ(buf.At(0x008), 0xFF);
}

TEST_F(Shown, SmartLedForcesModeMaskAndLedModeByte) {
  c.rb_MCULED.checked = false;
  c.rb_NorLED.checked = true;
  c.rb_NorLEDCPI.checked = true;
  EXPECT_EQ(WrittenBack().At(0x004), 0xFF);
  EXPECT_EQ(WrittenBack().At(0x032), 0x01);
  c.rb_LEDOn.checked = false;
  c.rb_LEDOff.checked = true;
  const DataBuf buf = WrittenBack();
  EXPECT_EQ(buf.At(0x032), 0x09);
  EXPECT_EQ(buf.At(0x033), 0xF6);
}

TEST_F(Shown, LedCountOutsideFourToThirteenKeepsTheCode) {
  for (const char* text : {"3", "14", "", "x"}) {
    c.edt_MCULEDNum.text = text;
    EXPECT_EQ(WrittenBack().At(0x003), 0x38) << text;
  }
  c.edt_MCULEDNum.text = "4";
  EXPECT_EQ(WrittenBack().At(0x003), 0x98);
}

TEST_F(Shown, SensorCodesMapBothWays) {
  for (int item = 0; item < 8; ++item) {
    c.cb_SensorOri.Select(item);
    const DataBuf buf = WrittenBack();
    EXPECT_EQ((buf.At(0x000) >> 4) & 7, kSensorCodeOfItem[item]);
    EngineerControls shown;
    RefreshUI(buf, shown, views);
    EXPECT_EQ(shown.cb_SensorOri.itemIndex, item);
  }
  c.cb_SensorOri.Select(6);
  EXPECT_EQ(c.cb_SensorOri.items[6], "XY Swap XY Reverse");
  EXPECT_EQ((WrittenBack().At(0x000) >> 4) & 7, 0);
}

TEST_F(Shown, ModesOfferedBuildTheCurrentModeList) {
  DeviceImage image = DefaultImage(1);
  image[0x004] = 0xB7;  // modes 3 and 6 not offered
  image[0x032] = 0x45;  // mode 5 current
  image[0x033] = 0xBA;
  StoreChecksum(std::span(image).subspan(0, 48));
  Show(image);
  EXPECT_EQ(c.cb_MCULEDCurrentMode.items, (std::vector<std::string>{"Mode 1", "Mode 2", "------", "Mode 4", "Mode 5",
                                                                    "------", "Mode 7"}));
  EXPECT_EQ(c.cb_MCULEDCurrentMode.itemIndex, 4);
  EXPECT_EQ(WrittenBack().At(0x032), 0x45);
}

TEST_F(Shown, ForcedBitsAreForcedOnTheWayBack) {
  DeviceImage image = DefaultImage(1);
  image[0x004] = 0xFE;  // MCU LED with bit 0 clear
  image[0x032] = 0x52;  // bit 4 set
  image[0x033] = 0xAD;
  image[0x034] = 0x83;  // Mode B with low bits
  image[0x035] = 0x7C;
  StoreChecksum(std::span(image).subspan(0, 48));
  Show(image);
  const DataBuf buf = WrittenBack();
  EXPECT_EQ(buf.At(0x004), 0xFF);
  EXPECT_EQ(buf.At(0x032), 0x42);
  EXPECT_EQ(buf.At(0x034), 0x80);
  EXPECT_EQ(buf.At(0x035), 0x7F);
}

TEST_F(Shown, AimKeyButtonsAreFoundByTheirCodeType) {
  state.dataBuf.ButtonCode(KeyProfile::ModeA, 4)[0] = 0x0A;
  state.dataBuf.ButtonCode(KeyProfile::ModeA, 4)[1] = 0x03;
  // A macro code never counts as the AIM key, whatever its name.
  const std::array<uint8_t, 3> macro{0x0B, 0x03, 0x00};
  std::copy(macro.begin(), macro.end(), state.dataBuf.ButtonCode(KeyProfile::ModeB, 2).begin());
  TLRefreshAIMKey(state.dataBuf, c);
  EXPECT_EQ(c.cb_AIMKeyValue.itemIndex, 3);
  EXPECT_EQ(c.AimDpiIndex, 3);

  c.AimDpiIndex = 7;
  AIMKeyToDataBuf(c, state.dataBuf);
  EXPECT_EQ(CodeText(state.dataBuf.ButtonCode(KeyProfile::ModeA, 4)), "0A0700");
  EXPECT_EQ(CodeText(state.dataBuf.ButtonCode(KeyProfile::ModeB, 2)), "0B0300");
  EXPECT_EQ(CodeText(state.dataBuf.ButtonCode(KeyProfile::ModeB, 4)), "010800");
}

TEST_F(Shown, AimKeyInBothProfilesShowsModeB) {
  state.dataBuf.ButtonCode(KeyProfile::ModeA, 5)[0] = 0x0A;
  state.dataBuf.ButtonCode(KeyProfile::ModeA, 5)[1] = 0x02;
  state.dataBuf.ButtonCode(KeyProfile::ModeB, 1)[0] = 0x0A;
  state.dataBuf.ButtonCode(KeyProfile::ModeB, 1)[1] = 0x09;
  TLRefreshAIMKey(state.dataBuf, c);
  EXPECT_EQ(c.cb_AIMKeyValue.itemIndex, 9);

  // Without an AIM key button the selection is left alone.
  EngineerControls fresh;
  fresh.cb_AIMKeyValue.Select(5);
  TLRefreshAIMKey(DataBuf{}, fresh);
  EXPECT_EQ(fresh.cb_AIMKeyValue.itemIndex, 5);
}

TEST_F(Shown, TwoLevelsHideLevelsThreeToSevenAndMakeLevelTwoCurrent) {
  struct CountViews : PageViews {
    int calls = 0;
    void LevelCountChanged(const EngineerControls&) override { ++calls; }
  } counting;
  c.cb_CPIStep.Select(0);
  cb_CPIStepChange(c, counting);
  EXPECT_EQ(c.LevelCount, 2);
  EXPECT_EQ(c.cb_CurrentCPI.items, (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(c.cb_CurrentCPI.itemIndex, 1);
  for (int level = 3; level <= 7; ++level) EXPECT_FALSE(c.cb_CPI[level - 1].visible) << level;
  EXPECT_EQ(counting.calls, 1);

  c.cb_CPIStep.Select(-1);
  cb_CPIStepChange(c, counting);
  EXPECT_EQ(c.LevelCount, 1);
}

}  // namespace
}  // namespace veltrax
