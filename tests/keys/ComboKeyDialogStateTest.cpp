#include <gtest/gtest.h>

#include <optional>

#include "keys/ComboKeyDialogState.h"
#include "keys/MenuGeometry.h"

namespace veltrax {
namespace {

constexpr int kA = 0x41, kB = 0x42, kF1 = 0x70, kShift = 0x10, kLeftCtrl = 0xA2, kLeftWin = 0x5B, kOem8 = 0xDF;
constexpr HeldModifiers kNothingHeld{};

class ComboKeyDialogStateTest : public ::testing::Test {
 protected:
  ComboKeyDialogState dialog;
};

TEST_F(ComboKeyDialogStateTest, TickedBoxesAndAKeyMakeTheCombination) {
  dialog.SetModifier(ComboModifier::Ctrl, true);
  dialog.SetModifier(ComboModifier::Shift, true);
  EXPECT_EQ(dialog.FieldText(), "Ctrl+Shift");
  dialog.KeyPress(kA, kNothingHeld);
  EXPECT_EQ(dialog.FieldText(), "Ctrl+Shift+A");
  ComboResult result = dialog.Confirm();
  EXPECT_EQ(result.text, "Ctrl+Shift+A");
  EXPECT_EQ(result.codeText, "020304");
}

TEST_F(ComboKeyDialogStateTest, ModifierTextKeepsItsOrderWhateverTheTickOrder) {
  dialog.KeyPress(kA, kNothingHeld);
  dialog.SetModifier(ComboModifier::Win, true);
  dialog.SetModifier(ComboModifier::Alt, true);
  dialog.SetModifier(ComboModifier::Ctrl, true);
  EXPECT_EQ(dialog.FieldText(), "Ctrl+Alt+Win+A");
  EXPECT_EQ(dialog.Confirm().codeText, "020D04");
}

TEST_F(ComboKeyDialogStateTest, EachAcceptedPressReplacesTheKey) {
  dialog.KeyPress(kA, kNothingHeld);
  dialog.KeyPress(kB, kNothingHeld);
  EXPECT_EQ(dialog.FieldText(), "B");
  EXPECT_EQ(dialog.Confirm().codeText, "020005");
}

TEST_F(ComboKeyDialogStateTest, PressingOrHoldingAModifierClearsTheKey) {
  dialog.SetModifier(ComboModifier::Alt, true);
  dialog.KeyPress(kA, kNothingHeld);
  dialog.KeyPress(kShift, {.shift = true});
  EXPECT_EQ(dialog.FieldText(), "Alt");
  EXPECT_EQ(dialog.KeyUsage(), 0);
  EXPECT_EQ(dialog.Confirm().codeText, "020400");

  dialog.KeyPress(kB, {.ctrl = true});  // Ctrl+B is swallowed
  EXPECT_EQ(dialog.FieldText(), "Alt");
  dialog.KeyPress(kLeftCtrl, kNothingHeld);  // a modifier key is swallowed even when not reported held
  EXPECT_EQ(dialog.FieldText(), "Alt");
}

TEST_F(ComboKeyDialogStateTest, WindowsKeysDoNothing) {
  dialog.KeyPress(kLeftWin, kNothingHeld);
  dialog.KeyPress(0x5C, kNothingHeld);
  EXPECT_EQ(dialog.FieldText(), "");
  EXPECT_EQ(dialog.Confirm().codeText, "020000");
}

TEST_F(ComboKeyDialogStateTest, UntickingTakesTheWordOutOfTheText) {
  dialog.SetModifier(ComboModifier::Ctrl, true);
  dialog.KeyPress(kA, kNothingHeld);
  dialog.SetModifier(ComboModifier::Ctrl, false);
  EXPECT_EQ(dialog.FieldText(), "A");
  EXPECT_EQ(dialog.Confirm().codeText, "020004");

  const struct {
    std::vector<ComboModifier> ticked;
    ComboModifier untick;
    const char* text;
  } cases[] = {
      {{ComboModifier::Ctrl, ComboModifier::Shift}, ComboModifier::Shift, "Ctrl+B"},
      {{ComboModifier::Ctrl, ComboModifier::Shift}, ComboModifier::Ctrl, "Shift+B"},
      {{ComboModifier::Shift, ComboModifier::Alt, ComboModifier::Win}, ComboModifier::Alt, "Shift+Win+B"},
      {{ComboModifier::Win}, ComboModifier::Alt, "Win+B"},
  };
  for (const auto& c : cases) {
    ComboKeyDialogState state;
    for (ComboModifier m : c.ticked) state.SetModifier(m, true);
    state.KeyPress(kB, kNothingHeld);
    state.SetModifier(c.untick, false);
    EXPECT_EQ(state.FieldText(), c.text);
  }

  ComboKeyDialogState boxesOnly;
  boxesOnly.SetModifier(ComboModifier::Win, true);
  boxesOnly.SetModifier(ComboModifier::Win, false);
  EXPECT_EQ(boxesOnly.FieldText(), "");
}

TEST_F(ComboKeyDialogStateTest, KeyWithoutUsageStillShowsItsName) {
  dialog.KeyPress(kF1, kNothingHeld);
  EXPECT_EQ(dialog.Confirm().codeText, "02003A");
  dialog.KeyPress(kOem8, kNothingHeld);
  EXPECT_EQ(dialog.FieldText(), "OEM_8");
  EXPECT_EQ(dialog.Confirm().codeText, "020000");
}

TEST_F(ComboKeyDialogStateTest, BoxesOnlyGiveNoUsage) {
  dialog.SetModifier(ComboModifier::Ctrl, true);
  ComboResult result = dialog.Confirm();
  EXPECT_EQ(result.text, "Ctrl");
  EXPECT_EQ(result.codeText, "020100");
}

TEST_F(ComboKeyDialogStateTest, ClearResetsEverything) {
  dialog.SetModifier(ComboModifier::Shift, true);
  dialog.KeyPress(kA, kNothingHeld);
  dialog.Clear();
  EXPECT_EQ(dialog.FieldText(), "");
  EXPECT_FALSE(dialog.Ticked(ComboModifier::Shift));
  EXPECT_EQ(dialog.Confirm().codeText, "020000");
  dialog.SetModifier(ComboModifier::Alt, true);  // no key left over from before
  EXPECT_EQ(dialog.FieldText(), "Alt");
}

// The keys a typed combination may name are those the dialog takes from
// a key press, with their usages; every other name is none.
TEST(ComboKeyUsageTest, NamesTheKeysTheDialogTakes) {
  const std::pair<const char*, std::optional<uint8_t>> cases[] = {
      {"A", 0x04},          {"a", 0x04},           {"f1", 0x3A},          {"Space bar", 0x2C},
      {"Shift", {}},        {"Ctrl", {}},          {"Left Ctrl", {}},     {"Right Alt", {}},
      {"Left Windows", {}}, {"Right Windows", {}}, {"OEM_8", {}},         {"None", {}},
      {"255", {}},          {"", {}},
  };
  for (const auto& [name, usage] : cases) EXPECT_EQ(ComboKeyUsage(name), usage) << name;
  for (int vk = 0; vk < 256; ++vk) {
    ComboKeyDialogState dialog;
    dialog.KeyPress(vk, kNothingHeld);
    if (dialog.KeyUsage() != 0) {
      EXPECT_EQ(ComboKeyUsage(dialog.KeyName()), dialog.KeyUsage()) << vk;
    }
  }
}

TEST(ComboDialogPositionTest, CentredOverTheMainWindowAndLower) {
  EXPECT_EQ(ComboDialogPosition({100, 50, 800, 600}, {530, 200}), (Point{235, 290}));
}

}  // namespace
}  // namespace veltrax
