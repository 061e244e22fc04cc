#pragma once
// The DPI levels and the AIM key DPI as the Advanced page and the engineer
// page change them. The engineer controls hold the values; the Advanced
// page draws what these functions leave there. Levels are numbered 1 to 7;
// DPI values are indexes into kDpiValueTable.

#include <string>
#include <string_view>

#include "image/EngineerControls.h"
#include "image/ImageLayout.h"

namespace veltrax {

inline constexpr std::string_view kNoAimKeyMessage = "Please select a AIM Key in Profile!";

// Level count 2 to 7 chosen on either page: levels above it are disabled
// and the highest enabled level becomes current. False outside 2 to 7.
bool ChooseLevelCount(EngineerControls& c, int count);
// A click on the label of level n where labels add and remove levels: the
// first disabled level is added, the last enabled one (3 to 7) removed;
// either way the highest enabled level becomes current. False when the
// click changes nothing.
bool ClickLevelLabel(EngineerControls& c, int level);
bool LevelEnabled(const EngineerControls& c, int level);

// The current level, 0 when the image's stored level lies outside the count.
int CurrentLevel(const EngineerControls& c);
// Makes an enabled level current; false for a disabled one.
bool ChooseCurrentLevel(EngineerControls& c, int level);

// The DPI index of a level, -1 when its stored index has no DPI.
int LevelValueIndex(const EngineerControls& c, int level);
// Gives an enabled level a DPI index 0 to 10; false otherwise.
bool ChooseLevelValue(EngineerControls& c, int level, int index);

// The text id that shows the DPI of an index: "Str300" + index.
std::string DpiTextId(int index);

enum class AimChoice {
  Stored,    // every AIM key button holds the new DPI
  NoAimKey,  // no button holds the AIM key: the DPI falls back to 500
  NoSuchDpi, // an index outside the DPI table: nothing changed
};
// The AIM key DPI (index 0 to 10) chosen on the bar or the selector: it is
// written into every AIM key button of both profiles at once. With no AIM
// key button the choice is refused and the DPI falls back to index 0; the
// caller shows kNoAimKeyMessage.
AimChoice ChooseAimDpi(EngineerControls& c, DataBuf& dataBuf, int index);

}  // namespace veltrax
