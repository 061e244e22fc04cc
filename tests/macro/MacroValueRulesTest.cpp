#include "macro/MacroValueRules.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>

namespace veltrax {
namespace {

using ::testing::HasSubstr;

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

TEST(MacroValueRulesTest, ConfirmedTextsGiveAValueOrSayWhyNot) {
  struct Case {
    Result<int> (*rule)(std::string_view);
    const char* text;
    std::optional<int> value;
    const char* refusal;  // part of the message
  };
  const Case cases[] = {
      {AxisValue, "-5", -5, ""},
      {AxisValue, "-", std::nullopt, "\"-\" alone is no number"},
      {AxisValue, "128", std::nullopt, "-128 to 127"},
      {RepeatValue, "1", 1, ""},
      {RepeatValue, "255", 255, ""},
      {RepeatValue, "0", std::nullopt, "A repeat count of 0 cannot be stored"},
      {RepeatValue, "256", std::nullopt, "1 to 255"},
      {DelayValue, "2040", 2040, ""},
      {DelayValue, "", std::nullopt, "0 to 2040"},
  };
  for (const Case& c : cases) {
    const Result<int> result = c.rule(c.text);
    if (c.value) {
      ASSERT_TRUE(result) << c.text;
      EXPECT_EQ(result.value(), *c.value);
    } else {
      ASSERT_FALSE(result) << c.text;
      EXPECT_THAT(result.error().context, HasSubstr(c.refusal)) << c.text;
    }
  }
}

}  // namespace
}  // namespace veltrax
