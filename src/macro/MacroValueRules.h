#pragma once
// What the macro editor's numeric fields accept and how they correct what
// is typed: pure functions of the text, called by the widgets on every
// change, and the parsing of a confirmed value.

#include <string>
#include <string_view>

#include "base/Error.h"
#include "macro/MacroRow.h"

namespace veltrax {

constexpr int kMaxDelayFieldMs = kMaxDelayPairMs;
constexpr int kMinAxisValue = -128;
constexpr int kMaxAxisValue = 127;
constexpr int kMaxRepeatCount = 255;

// Key filters: the delay fields take digits and backspace, the value
// fields digits, "-" and backspace.
bool AcceptsDelayKey(char c);
bool AcceptsValueKey(char c);

// Default delay field and insert delay field: above 2040 becomes "2040", a
// negative number "0"; text that is no number becomes "0"; empty stays.
std::string CorrectDelayField(std::string_view text);
// The delay dialog: as the delay fields, and empty becomes "0".
std::string CorrectDelayDialog(std::string_view text);
// X and Y, in the value dialog and the insert fields: a lone "-" stays,
// empty becomes "0", 128 or more "127", below -128 "-128".
std::string CorrectAxisText(std::string_view text);
// Repeat count: empty becomes "0", 256 or more "255", negative "0".
std::string CorrectRepeatText(std::string_view text);

// Confirmed values, or why the text is none, in words for the value
// dialog's message and for veltraxctl. A lone "-" is no number, and a
// repeat count of 0 cannot be stored (its byte would be -1).
Result<int> DelayValue(std::string_view text);
Result<int> AxisValue(std::string_view text);
Result<int> RepeatValue(std::string_view text);

}  // namespace veltrax
