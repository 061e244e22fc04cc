#pragma once
// The fire key, the key mode with its memory, and the sensor orientation,
// as the Advanced, Light and engineer pages change them (the key mode
// switch methods are the key pages' option lines).

#include <string>
#include <string_view>

#include "image/EngineerControls.h"

namespace veltrax {

constexpr int kIntervalUnitMs = 8;
constexpr int kMaxIntervalByte = 255;

// The Advanced page's own fire key edits (Edt_Repeat1, Edt_DelayTime1),
// kept in step with the engineer page's shot selector and interval edit.
struct FireKeyEdits {
  std::string shots;
  std::string interval;
};
// An image was shown: the edits take the shots and interval it holds.
void ShowFireKeyEdits(const EngineerControls& c, FireKeyEdits& edits);
// Shots 2 to 127 chosen on the engineer page's selector; false otherwise.
bool ChooseShots(EngineerControls& c, FireKeyEdits& edits, int shots);
// The Advanced page's shots edit typed and left. While typing, a count
// below 2 leaves the selector as it was; leaving makes it 2.
void ShotsTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text);
void ShotsLeft(EngineerControls& c, FireKeyEdits& edits);
// The engineer page's interval edit typed (empty becomes 100) and the
// Advanced page's (empty becomes 0); each copies its text to the other.
void FireTimeTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text);
void IntervalTyped(EngineerControls& c, FireKeyEdits& edits, std::string_view text);
// Shots 2 to 127, 0 when the selector shows none.
int Shots(const EngineerControls& c);

// Key mode memory: "Save" lets the key mode be chosen; "No Save" selects
// Mode A and locks the choice.
void ChooseKeyModeMemory(EngineerControls& c, bool save);
// An image was shown: the key mode choice is open only with "Save".
void ShowKeyModeMemory(EngineerControls& c);
void ChooseKeyMode(EngineerControls& c, bool modeB);

// Sensor orientation item 0 to 7 (captions in kSensorCaptions).
bool ChooseSensorOrientation(EngineerControls& c, int item);

}  // namespace veltrax
