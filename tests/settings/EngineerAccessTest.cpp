#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ShownImage.h"
#include "settings/EngineerAccess.h"
#include "settings/EngineerOptions.h"

namespace veltrax {
namespace {

// A run of double-clicks on the banner and what the user types each time
// the code is asked for (nothing: Cancel).
struct AccessCase {
  const char* what;
  std::vector<std::optional<std::string>> answers;
  int clicks;
  std::vector<int> askedAt;  // the double-clicks that asked for the code
  bool unlocked;
  int counted;
};

TEST(EngineerAccessTest, EveryFifthCountedDoubleClickAsksForTheExactCode) {
  const std::string code(kEngineerAccessCode);
  const AccessCase cases[] = {
      {"four do nothing", {}, 4, {}, false, 4},
      {"the fifth asks", {code}, 5, {5}, true, 5},
      {"a wrong code waits for the tenth", {"Maltrix", code}, 10, {5, 10}, true, 10},
      {"Cancel waits for the tenth", {std::nullopt, code}, 10, {5, 10}, true, 10},
      {"letter case counts", {"maltrixqphwd", "MALTRIXQPHWD"}, 10, {5, 10}, false, 10},
      {"blanks count", {code + " ", " " + code}, 10, {5, 10}, false, 10},
      // Unlocked at the fifth, locked by the sixth (not counted); the next
      // chance is the tenth counted double-click, the eleventh in all.
      {"the next double-click locks", {code, code}, 11, {5, 11}, true, 10},
      {"and is not counted", {code}, 10, {5}, false, 9},
  };
  for (const AccessCase& c : cases) {
    EngineerAccess access;
    std::vector<int> askedAt;
    size_t answer = 0;
    for (int click = 1; click <= c.clicks; ++click) {
      access.DoubleClick([&]() -> std::optional<std::string> {
        askedAt.push_back(click);
        return answer < c.answers.size() ? c.answers[answer++] : std::nullopt;
      });
    }
    EXPECT_EQ(askedAt, c.askedAt) << c.what;
    EXPECT_EQ(access.Unlocked(), c.unlocked) << c.what;
    EXPECT_EQ(access.Counted(), c.counted) << c.what;
  }
}

TEST(EngineerAccessTest, DoubleClickSaysWhenTheStateChanged) {
  EngineerAccess access;
  const auto right = [] { return std::optional<std::string>(kEngineerAccessCode); };
  for (int i = 0; i < 4; ++i) EXPECT_FALSE(access.DoubleClick(right));
  EXPECT_TRUE(access.DoubleClick(right));
  EXPECT_TRUE(access.DoubleClick(right));
  EXPECT_FALSE(access.Unlocked());
}

using EngineerOptions = test::ShownImage;

TEST_F(EngineerOptions, AccessOpensTheLedTypeAndSensorOrientation) {
  ApplyEngineerAccess(c, false);
  EXPECT_FALSE(c.rb_NorLED.enabled || c.rb_MCULED.enabled || c.cb_SensorOri.enabled);
  EXPECT_TRUE(c.cb_CPIStep.enabled);
  ApplyEngineerAccess(c, true);
  EXPECT_TRUE(c.rb_NorLED.enabled && c.rb_MCULED.enabled && c.cb_SensorOri.enabled);
  // Showing an image keeps what access decided.
  ApplyEngineerAccess(c, false);
  Show(SmartLedImage());
  EXPECT_FALSE(c.rb_NorLED.enabled || c.cb_SensorOri.enabled);
}

TEST_F(EngineerOptions, LedTypeAndFireTriggerReachTheirBits) {
  ChooseLedType(c, true);
  ChooseFireTrigger(c, true);
  EXPECT_EQ(Written()[0x000] & 0x82, 0x82);
  // The smart LED offers every mode and breathes in its only one.
  EXPECT_EQ(Written()[0x004], 0xFF);
  ChooseLedType(c, false);
  ChooseFireTrigger(c, false);
  EXPECT_EQ(Written()[0x000] & 0x82, 0x00);
  EXPECT_EQ(Written()[0x032], DefaultImage(1)[0x032]);
}

TEST_F(EngineerOptions, IdentityCodesKeepToAByte) {
  const std::pair<const char*, const char*> typed[] = {
      {"12", "12"}, {"256", "255"}, {"", "255"}, {"0", "0"}, {"1a2", "12"}, {"9999", "255"}};
  for (const auto& [text, shown] : typed) {
    IdentityCodeTyped(c.edt_VendorID, text);
    EXPECT_EQ(c.edt_VendorID.text, shown) << text;
  }
  IdentityCodeTyped(c.edt_ProductID, "42");
  EXPECT_EQ(Written()[0x036], 255);
  EXPECT_EQ(Written()[0x037], 42);
}

}  // namespace
}  // namespace veltrax
