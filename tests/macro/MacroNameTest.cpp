#include "macro/MacroName.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace veltrax {
namespace {

using ::testing::ElementsAre;

TEST(MacroNameTest, NamesAreStoredAsUtf16UnitsHighByteFirst) {
  auto field = MacroNameStrToUnicode("A\xE5\xAE\x8F");  // "A" and U+5B8F
  ASSERT_TRUE(field);
  EXPECT_THAT(std::span(field.value()).first(6), ElementsAre(0x00, 0x41, 0x5B, 0x8F, 0x00, 0x00));
  EXPECT_EQ(MacroNameText(field.value()), "A\xE5\xAE\x8F");
  EXPECT_EQ(NameToHexUnits(u"A\u5B8F"), "00415B8F");
}

TEST(MacroNameTest, SixteenCharactersFillTheWholeFieldAndReadBackComplete) {
  auto field = MacroNameStrToUnicode("ABCDEFGHIJKLMNOP");
  ASSERT_TRUE(field);
  EXPECT_EQ(field.value()[30], 0x00);
  EXPECT_EQ(field.value()[31], 'P');
  EXPECT_EQ(MacroNameText(field.value()), "ABCDEFGHIJKLMNOP");
}

TEST(MacroNameTest, NamesThatDoNotFitOrAreNoTextAreRefused) {
  EXPECT_FALSE(MacroNameStrToUnicode("ABCDEFGHIJKLMNOPQ"));
  EXPECT_FALSE(MacroNameStrToUnicode(""));
  EXPECT_FALSE(MacroNameStrToUnicode("\xFF\xFE"));
  // A character outside the basic plane takes two units.
  EXPECT_TRUE(MacroNameStrToUnicode("ABCDEFGHIJKLMN\xF0\x9F\x98\x80"));
  EXPECT_FALSE(MacroNameStrToUnicode("ABCDEFGHIJKLMNO\xF0\x9F\x98\x80"));
}

TEST(MacroNameTest, TheVisibleNameEndsAtTheFirstZeroUnit) {
  MacroNameField field{};
  field[1] = 'X';
  field[5] = 'Y';  // after a zero unit: not shown
  EXPECT_EQ(MacroNameText(field), "X");
  field[0] = 0xD8;  // an unpaired surrogate shows as the replacement character
  EXPECT_EQ(MacroNameText(field), "\xEF\xBF\xBD");
}

}  // namespace
}  // namespace veltrax
