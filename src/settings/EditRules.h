#pragma once
// What the numeric edits of the Advanced, Light and engineer pages accept
// and how they correct what is typed: pure functions of the text, called on
// every change (and, where said, on leaving the edit).

#include <cstddef>
#include <string>
#include <string_view>

namespace veltrax {

// Text length limits.
constexpr std::size_t kLedCountLength = 2;   // edt_MCULEDNum
constexpr std::size_t kSpeedStepLength = 1;  // edt_MCULEDCrtStep
constexpr std::size_t kByteEditLength = 3;   // breathing rate, colours, shots, interval, identity codes
constexpr std::size_t kFireTimeLength = 5;   // edt_FireTime

// The key filter: digits and backspace.
bool AcceptsDigitKey(char c);
// What a pasted text leaves: its digits, at most maxLength of them.
std::string KeepDigits(std::string_view text, std::size_t maxLength);
// The decimal value of a digit text; empty counts as 0.
int DigitValue(std::string_view text);

// LED count while typing: 0, 2 or 3 become "4", above 13 "13"; "1" stays,
// as it may begin "10" to "13".
std::string CorrectLedCountTyped(std::string_view text);
// Leaving the LED count edit: a lone "1" becomes "4".
std::string CorrectLedCountLeft(std::string_view text);
// Speed step: above 7 becomes "7", empty "0".
std::string CorrectSpeedStep(std::string_view text);
// Breathing rate, colour parts and the Advanced page's interval: empty
// becomes "0", above 255 "255".
std::string CorrectByteText(std::string_view text);
// The engineer page's interval: empty becomes "100", above 255 "255".
std::string CorrectFireTime(std::string_view text);
// Shots while typing: empty becomes "2", 128 or more "127".
std::string CorrectShotsTyped(std::string_view text);
// Leaving the shots edit: fewer than 2 shots become "2".
std::string CorrectShotsLeft(std::string_view text);
// Vendor and product code: empty or above 255 becomes "255".
std::string CorrectIdentityCode(std::string_view text);

}  // namespace veltrax
