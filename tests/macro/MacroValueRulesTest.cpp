#include "macro/MacroValueRules.h"

#include <gtest/gtest.h>

namespace veltrax {
namespace {

struct TextCase {
  const char* typed;
  const char* shown;
};

TEST(MacroValueRulesTest, FieldsCorrectWhatIsTyped) {
  const TextCase delayField[] = {{"", ""}, {"300", "300"}, {"2041", "2040"}, {"99999999999999999999", "2040"},
                                 {"-5", "0"}, {"x", "0"}};
  for (const auto& c : delayField) EXPECT_EQ(CorrectDelayField(c.typed), c.shown) << c.typed;
  const TextCase delayDialog[] = {{"", "0"}, {"2041", "2040"}, {"2040", "2040"}, {"0", "0"}};
  for (const auto& c : delayDialog) EXPECT_EQ(CorrectDelayDialog(c.typed), c.shown) << c.typed;
  const TextCase axis[] = {{"-", "-"}, {"", "0"}, {"128", "127"}, {"-129", "-128"}, {"-128", "-128"}, {"12", "12"}};
  for (const auto& c : axis) EXPECT_EQ(CorrectAxisText(c.typed), c.shown) << c.typed;
  const TextCase repeat[] = {{"", "0"}, {"256", "255"}, {"-1", "0"}, {"10", "10"}};
  for (const auto& c : repeat) EXPECT_EQ(CorrectRepeatText(c.typed), c.shown) << c.typed;
}

TEST(MacroValueRulesTest, KeyFiltersTakeDigitsAndTheirSigns) {
  EXPECT_TRUE(AcceptsDelayKey('7'));
  EXPECT_TRUE(AcceptsDelayKey('\b'));
  EXPECT_FALSE(AcceptsDelayKey('-'));
  EXPECT_TRUE(AcceptsValueKey('-'));
  EXPECT_FALSE(AcceptsValueKey('a'));
}

TEST(MacroValueRulesTest, ALoneMinusAndARepeatCountOfZeroAreNoValues) {
  EXPECT_EQ(AxisValue("-"), std::nullopt);
  EXPECT_EQ(AxisValue("-5"), -5);
  EXPECT_EQ(AxisValue("128"), std::nullopt);
  EXPECT_EQ(RepeatValue("0"), std::nullopt);
  EXPECT_EQ(RepeatValue("1"), 1);
  EXPECT_EQ(RepeatValue("255"), 255);
  EXPECT_EQ(DelayValue("2040"), 2040);
  EXPECT_EQ(DelayValue(""), std::nullopt);
}

}  // namespace
}  // namespace veltrax
