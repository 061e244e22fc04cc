#include <gtest/gtest.h>

#include "EnglishTexts.h"
#include "keys/KeyPages.h"

namespace veltrax {
namespace {

class KeyPagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    controls.codeTexts.fill("000000");
    controls.codeTexts[0] = "010100";   // Mode A button 1
    controls.codeTexts[8] = "0600F0";   // Mode A button 9, hidden in the shipped layout
    controls.codeTexts[9] = "060221";   // Mode B button 1
    controls.codeTexts[17] = "0A0400";  // Mode B button 9
  }
  EngineerControls controls;
  MapTextTable texts = test::EnglishTexts();
  BaseMacroNames macros{"", "Reload"};
};

TEST_F(KeyPagesTest, TheImageChoosesTheProfileOnScreen) {
  KeyPagesView modeA = ShowKeyPages(controls, texts, macros);
  EXPECT_EQ(modeA.profileOnScreen, KeyProfile::ModeA);
  EXPECT_EQ(modeA.labels[0], "Left Key");
  EXPECT_EQ(modeA.labels[8], "Fire Key");

  controls.cb_KeyMode.Select(1);
  controls.cb_CPIPress.checked = true;
  KeyPagesView modeB = ShowKeyPages(controls, texts, macros);
  EXPECT_EQ(modeB.profileOnScreen, KeyProfile::ModeB);
  EXPECT_EQ(modeB.labels[0], "Reload");
  EXPECT_EQ(modeB.labels[8], "AIM Key");
  EXPECT_EQ(modeB.engineerCaptions[0], "Left Key");
  EXPECT_EQ(modeB.engineerCaptions[9], "Reload");
  EXPECT_FALSE(modeB.middleKeyOption);
  EXPECT_TRUE(modeB.cpiKeyOption);
}

TEST_F(KeyPagesTest, OptionLinesToggleTheEngineerOptions) {
  EXPECT_TRUE(ToggleComboKeyOption(controls, ComboKeyOption::MiddleKey));
  EXPECT_TRUE(controls.cb_MidPress.checked);
  EXPECT_FALSE(controls.cb_CPIPress.checked);
  EXPECT_FALSE(ToggleComboKeyOption(controls, ComboKeyOption::MiddleKey));
  EXPECT_TRUE(ToggleComboKeyOption(controls, ComboKeyOption::CpiKey));
  EXPECT_TRUE(controls.cb_CPIPress.checked);
}

}  // namespace
}  // namespace veltrax
