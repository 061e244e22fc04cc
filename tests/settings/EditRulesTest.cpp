#include <gtest/gtest.h>

#include <functional>

#include "settings/EditRules.h"

namespace veltrax {
namespace {

TEST(EditRules, EditsTakeDigitsAndBackspaceOnly) {
  for (char c : std::string("0123456789\b")) EXPECT_TRUE(AcceptsDigitKey(c)) << int(c);
  for (char c : std::string("-+ a.,x")) EXPECT_FALSE(AcceptsDigitKey(c)) << c;
  EXPECT_EQ(KeepDigits("1a2-3 4", 3), "123");
  EXPECT_EQ(DigitValue(""), 0);
  EXPECT_EQ(DigitValue("0042"), 42);
  EXPECT_GT(DigitValue("99999999999999999999"), 255) << "saturates, never wraps";
}

TEST(EditRules, CorrectionsOfEachEdit) {
  using Rule = std::function<std::string(std::string_view)>;
  struct Case {
    const char* rule;
    Rule correct;
    const char* typed;
    const char* shown;
  };
  const Case cases[] = {
      {"LED count", CorrectLedCountTyped, "", "4"},        {"LED count", CorrectLedCountTyped, "1", "1"},
      {"LED count", CorrectLedCountTyped, "3", "4"},       {"LED count", CorrectLedCountTyped, "13", "13"},
      {"LED count", CorrectLedCountTyped, "14", "13"},     {"LED count left", CorrectLedCountLeft, "1", "4"},
      {"LED count left", CorrectLedCountLeft, "10", "10"}, {"speed", CorrectSpeedStep, "", "0"},
      {"speed", CorrectSpeedStep, "8", "7"},               {"speed", CorrectSpeedStep, "7", "7"},
      {"byte", CorrectByteText, "", "0"},                  {"byte", CorrectByteText, "256", "255"},
      {"byte", CorrectByteText, "255", "255"},             {"fire time", CorrectFireTime, "", "100"},
      {"fire time", CorrectFireTime, "99999", "255"},      {"fire time", CorrectFireTime, "0", "0"},
      {"shots", CorrectShotsTyped, "", "2"},               {"shots", CorrectShotsTyped, "300", "127"},
      {"shots", CorrectShotsTyped, "128", "127"},          {"shots", CorrectShotsTyped, "1", "1"},
      {"shots left", CorrectShotsLeft, "1", "2"},          {"shots left", CorrectShotsLeft, "0", "2"},
      {"shots left", CorrectShotsLeft, "5", "5"},          {"identity", CorrectIdentityCode, "", "255"},
      {"identity", CorrectIdentityCode, "256", "255"},     {"identity", CorrectIdentityCode, "7", "7"},
  };
  for (const Case& k : cases) EXPECT_EQ(k.correct(k.typed), k.shown) << k.rule << " \"" << k.typed << "\"";
}

}  // namespace
}  // namespace veltrax
