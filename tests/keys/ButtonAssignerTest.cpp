#include <gtest/gtest.h>

#include <vector>

#include "EnglishTexts.h"
#include "keys/ButtonAssigner.h"

namespace veltrax {
namespace {

constexpr int kRightKey = 901, kLeftKey = 900, kDpiUp = 2001, kAimKey = 1002;
const char* const kFactoryProfile[9] = {"010100", "010400", "010200", "010800", "011000",
                                        "050000", "070000", "080000", "0600F0"};

int Index(KeyProfile profile, int button) { return AssignTarget{profile, button}.CodeIndex(); }

// A library of macros and seven slots, as the macro module keeps them.
class FakeSlots final : public BaseMacroSlots {
 public:
  std::optional<int> FindSlot(const ButtonCodeTexts& codes, int) const override {
    seen = codes;
    return freeSlot;
  }
  std::string MacroName(int row) const override { return names.at(row); }
  uint8_t CopyIntoSlot(int row, int slot) override {
    copied.push_back({row, slot});
    return playMode;
  }

  std::optional<int> freeSlot = 2;
  uint8_t playMode = 0;
  std::vector<std::string> names{"Reload", "Left Key"};
  mutable ButtonCodeTexts seen;
  std::vector<std::pair<int, int>> copied;
};

class ButtonAssignerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (KeyProfile profile : {KeyProfile::ModeA, KeyProfile::ModeB}) {
      for (int button = 1; button <= 9; ++button) SetCode(profile, button, kFactoryProfile[button - 1]);
    }
  }
  void SetCode(KeyProfile profile, int button, const char* text) {
    const KeyFunctionCode code = *ParseCodeText(text);
    auto bytes = dataBuf.ButtonCode(profile, button);
    bytes[0] = code.type;
    bytes[1] = code.data1;
    bytes[2] = code.data2;
    codeTexts[Index(profile, button)] = text;
  }
  // The code as the profile bytes hold it; checks the code text agrees.
  std::string Code(KeyProfile profile, int button) {
    auto bytes = dataBuf.ButtonCode(profile, button);
    const std::string text = CodeText(KeyFunctionCode{bytes[0], bytes[1], bytes[2]});
    EXPECT_EQ(codeTexts[Index(profile, button)], text);
    return text;
  }
  AssignOutcome Choose(const AssignTarget& target, int entryId) {
    return assigner.ChooseEntry(target, entryId, 0).value();
  }

  MapTextTable texts = test::EnglishTexts();
  DataBuf dataBuf;
  ButtonCodeTexts codeTexts;
  ButtonAssigner assigner{texts, dataBuf, codeTexts};
};

// Both paths and both profiles.
std::vector<AssignTarget> TargetsOfButton(int button) {
  return {*PageLabelTarget(button, KeyProfile::ModeA), *PageLabelTarget(button, KeyProfile::ModeB),
          *EngineerButtonTarget(100 + button), *EngineerButtonTarget(200 + button)};
}

TEST_F(ButtonAssignerTest, TheLastLeftKeyStaysUntilAnotherOneExists) {
  for (const AssignTarget& first : TargetsOfButton(1)) {
    SetUp();
    const AssignTarget third{first.profile, 3, first.source};
    AssignOutcome refused = Choose(first, kRightKey);
    EXPECT_FALSE(refused.accepted);
    EXPECT_EQ(refused.shownName, "Left Key");
    EXPECT_EQ(refused.message, "Please keep a Left Key");
    EXPECT_EQ(Code(first.profile, 1), "010100");

    EXPECT_TRUE(Choose(third, kLeftKey).accepted);
    AssignOutcome accepted = Choose(first, kRightKey);
    EXPECT_TRUE(accepted.accepted);
    EXPECT_EQ(accepted.shownName, "Right Key");
    EXPECT_EQ(accepted.message, "");
    EXPECT_EQ(Code(first.profile, 1), "010200");
    EXPECT_EQ(Code(first.profile, 3), "010100");
  }
}

TEST_F(ButtonAssignerTest, AChoiceChangesTheTargetsProfileOnly) {
  ASSERT_TRUE(Choose(*PageLabelTarget(2, KeyProfile::ModeB), kDpiUp).accepted);
  EXPECT_EQ(Code(KeyProfile::ModeB, 2), "070000");
  for (int button = 1; button <= 9; ++button) EXPECT_EQ(Code(KeyProfile::ModeA, button), kFactoryProfile[button - 1]);
  ASSERT_TRUE(Choose(*EngineerButtonTarget(104), kAimKey).accepted);
  EXPECT_EQ(Code(KeyProfile::ModeA, 4), "0A0000");
  EXPECT_EQ(Code(KeyProfile::ModeB, 4), "010800");
}

TEST_F(ButtonAssignerTest, AimKeyCarriesTheCurrentAimDpi) {
  AssignOutcome outcome = assigner.ChooseEntry(*PageLabelTarget(6, KeyProfile::ModeA), kAimKey, 7).value();
  EXPECT_EQ(outcome.shownName, "AIM Key");
  EXPECT_EQ(Code(KeyProfile::ModeA, 6), "0A0700");
}

TEST_F(ButtonAssignerTest, AHiddenButtonCountsAsALeftKey) {
  SetCode(KeyProfile::ModeA, 8, "010100");
  EXPECT_TRUE(Choose(*PageLabelTarget(1, KeyProfile::ModeA), kRightKey).accepted);
}

TEST_F(ButtonAssignerTest, ACombinationMayReplaceTheLastLeftKey) {
  AssignOutcome outcome =
      assigner.ChooseCombination(*PageLabelTarget(1, KeyProfile::ModeA), {"Ctrl+Shift+A", "020304"}).value();
  EXPECT_TRUE(outcome.accepted);
  EXPECT_EQ(outcome.shownName, "Ctrl+Shift+A");
  EXPECT_EQ(Code(KeyProfile::ModeA, 1), "020304");
  EXPECT_FALSE(assigner.ChooseCombination(*PageLabelTarget(2, KeyProfile::ModeA), {"x", "010200"}));
  EXPECT_EQ(Code(KeyProfile::ModeA, 2), "010400");
}

// Labels that read "Left Key" are not left buttons; codes are.
TEST_F(ButtonAssignerTest, LeftKeysAreCountedByCodeNotByLabel) {
  SetCode(KeyProfile::ModeA, 2, "060221");  // a base macro named "Left Key"
  EXPECT_FALSE(Choose(*PageLabelTarget(1, KeyProfile::ModeA), kRightKey).accepted);

  MapTextTable chinese = test::EnglishTexts();
  chinese.Set("Str210", "左鍵");
  ButtonAssigner inChinese{chinese, dataBuf, codeTexts};
  SetCode(KeyProfile::ModeA, 5, "010100");
  EXPECT_TRUE(inChinese.ChooseEntry(*PageLabelTarget(1, KeyProfile::ModeA), kRightKey, 0).value().accepted);
  AssignOutcome refused = inChinese.ChooseEntry(*PageLabelTarget(5, KeyProfile::ModeA), kRightKey, 0).value();
  EXPECT_FALSE(refused.accepted);
  EXPECT_EQ(refused.shownName, "左鍵");
}

TEST_F(ButtonAssignerTest, AProfileWithoutLeftKeyGetsOneBack) {
  SetCode(KeyProfile::ModeB, 1, "000000");
  AssignOutcome outcome = Choose(*EngineerButtonTarget(205), kRightKey);
  EXPECT_FALSE(outcome.accepted);
  EXPECT_EQ(Code(KeyProfile::ModeB, 5), "010100");
}

TEST_F(ButtonAssignerTest, UnknownEntriesChangeNothing) {
  auto outcome = assigner.ChooseEntry(*PageLabelTarget(2, KeyProfile::ModeA), 1003 + 1000, 0);
  ASSERT_FALSE(outcome);
  EXPECT_EQ(outcome.error().kind, ErrorKind::BadArgument);
  EXPECT_EQ(Code(KeyProfile::ModeA, 2), "010400");
}

TEST_F(ButtonAssignerTest, BaseMacroTakesTheFoundSlot) {
  FakeSlots slots;
  slots.freeSlot = 3;
  slots.playMode = 1;
  SetCode(KeyProfile::ModeB, 4, "060321");
  auto outcome = assigner.ChooseBaseMacro(*PageLabelTarget(4, KeyProfile::ModeB), 0, slots);
  ASSERT_TRUE(outcome);
  EXPECT_TRUE(outcome->accepted);
  EXPECT_EQ(outcome->shownName, "Reload");
  EXPECT_EQ(slots.seen[Index(KeyProfile::ModeB, 4)], "000000");  // its own slot is free
  EXPECT_EQ(slots.copied, (std::vector<std::pair<int, int>>{{0, 3}}));
  EXPECT_EQ(Code(KeyProfile::ModeB, 4), "0E0321");
}

TEST_F(ButtonAssignerTest, BaseMacroWithoutFreeSlotChangesNothing) {
  FakeSlots slots;
  slots.freeSlot = std::nullopt;
  EXPECT_FALSE(assigner.ChooseBaseMacro(*PageLabelTarget(4, KeyProfile::ModeA), 0, slots));
  EXPECT_EQ(Code(KeyProfile::ModeA, 4), "010800");
  EXPECT_TRUE(slots.copied.empty());
}

TEST_F(ButtonAssignerTest, BaseMacroMayNotReplaceTheLastLeftKey) {
  FakeSlots slots;
  auto outcome = assigner.ChooseBaseMacro(*EngineerButtonTarget(101), 1, slots);  // named "Left Key"
  ASSERT_TRUE(outcome);
  EXPECT_FALSE(outcome->accepted);
  EXPECT_EQ(outcome->message, "Please keep a Left Key");
  EXPECT_EQ(Code(KeyProfile::ModeA, 1), "010100");
  EXPECT_TRUE(slots.copied.empty());
}

TEST_F(ButtonAssignerTest, RawCodesFollowTheirPath) {
  const AssignTarget first = *PageLabelTarget(1, KeyProfile::ModeA);
  EXPECT_FALSE(assigner.ChooseCode(first, {0x03, 0x00, 0xCD}, {}).accepted);
  AssignOutcome combo = assigner.ChooseCode(first, {0x02, 0x01, 0x04}, {});
  EXPECT_TRUE(combo.accepted);
  EXPECT_EQ(combo.shownName, "Ctrl+A");
  EXPECT_EQ(Code(KeyProfile::ModeA, 1), "020104");
}

TEST(AssignTargetTest, EngineerButtonsNameTheirProfileAndButton) {
  const auto a1 = EngineerButtonTarget(101);
  ASSERT_TRUE(a1);
  EXPECT_EQ(a1->profile, KeyProfile::ModeA);
  EXPECT_EQ(a1->button, 1);
  EXPECT_EQ(a1->source, AssignSource::EngineerButton);
  const auto b9 = EngineerButtonTarget(209);
  ASSERT_TRUE(b9);
  EXPECT_EQ(b9->profile, KeyProfile::ModeB);
  EXPECT_EQ(b9->CodeIndex(), 17);
  for (int id : {100, 110, 200, 210, 301, 9, 0, -101}) EXPECT_FALSE(EngineerButtonTarget(id)) << id;
  EXPECT_FALSE(PageLabelTarget(0, KeyProfile::ModeA));
  EXPECT_FALSE(PageLabelTarget(10, KeyProfile::ModeA));
}

TEST(ButtonNamesTest, NamesFollowTheCodeTexts) {
  ButtonCodeTexts codes;
  codes.fill("000000");
  codes[0] = "010100";
  codes[9] = "060121";
  codes[17] = "020304";
  const auto names = ButtonNamesOf(codes, test::EnglishTexts(), {"Reload"});
  EXPECT_EQ(names[0], "Left Key");
  EXPECT_EQ(names[1], "Key Off");
  EXPECT_EQ(names[9], "Reload");
  EXPECT_EQ(names[17], "Ctrl+Shift+A");
}

}  // namespace
}  // namespace veltrax
