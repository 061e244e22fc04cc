#include "settings/EditRules.h"

#include <climits>

namespace veltrax {
bool AcceptsDigitKey(char c) { return (c >= '0' && c <= '9') || c == '\b'; }

std::string KeepDigits(std::string_view text, std::size_t maxLength) {
  std::string digits;
  for (char c : text) {
    if (c >= '0' && c <= '9' && digits.size() < maxLength) digits.push_back(c);
  }
  return digits;
}

int DigitValue(std::string_view text) {
  int value = 0;
  for (char c : text) {
    if (c < '0' || c > '9') continue;
    value = value > (INT_MAX - 9) / 10 ? INT_MAX : value * 10 + (c - '0');
  }
  return value;
}

std::string CorrectLedCountTyped(std::string_view text) {
  const int value = DigitValue(text);
  if (value == 0 || value == 2 || value == 3) return "4";
  if (value > 13) return "13";
  return std::string(text);
}

std::string CorrectLedCountLeft(std::string_view text) { return text == "1" ? "4" : std::string(text); }

std::string CorrectSpeedStep(std::string_view text) {
  if (text.empty()) return "0";
  return DigitValue(text) > 7 ? "7" : std::string(text);
}

std::string CorrectByteText(std::string_view text) {
  if (text.empty()) return "0";
  return DigitValue(text) > 255 ? "255" : std::string(text);
}

std::string CorrectFireTime(std::string_view text) {
  if (text.empty()) return "100";
  return DigitValue(text) > 255 ? "255" : std::string(text);
}

std::string CorrectShotsTyped(std::string_view text) {
  if (text.empty()) return "2";
  return DigitValue(text) >= 128 ? "127" : std::string(text);
}

std::string CorrectShotsLeft(std::string_view text) { return DigitValue(text) < 2 ? "2" : std::string(text); }

std::string CorrectIdentityCode(std::string_view text) {
  return text.empty() || DigitValue(text) > 255 ? "255" : std::string(text);
}

}  // namespace veltrax
