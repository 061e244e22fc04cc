#pragma once
// The lighting settings as the Light page, the Advanced page's level
// colours and the engineer page change them: the on/off pairs, the MCU LED
// modes, LED count and speed, the smart LED breathing rate and the colours
// of the DPI levels and key modes. Levels are 1 to 7, key modes 1 and 2.

#include <optional>
#include <string_view>

#include "image/EngineerControls.h"
#include "settings/LedColors.h"

namespace veltrax {

constexpr int kLedModes = 7;
constexpr int kLedCountSegments = 10;  // 4 to 13 LEDs
constexpr int kSpeedSegments = 8;      // steps 0 to 7
constexpr int kMinLedCount = 4;
constexpr int kMaxLedCount = 13;
constexpr int kMaxSpeedStep = 7;
constexpr int kMaxBreathingMs = 255;

// The radio pairs of one bit each; the first side is on (full brightness).
enum class OnOff { Lights, MiddleCpiSwitch, LeftCpiSwitch, Brightness };
void ChooseSide(EngineerControls& c, OnOff pair, bool first);
bool FirstSideChosen(const EngineerControls& c, OnOff pair);

// The type the Light page is laid out for: the checked LED type button.
bool ShowsMcuLed(const EngineerControls& c);

// Modes offered by the MCU LED. Changing one rebuilds the current mode
// list, which makes mode 1 current.
bool ModeOffered(const EngineerControls& c, int mode);
void SetModeOffered(EngineerControls& c, int mode, bool offered);
// Mode 1 to 7; 0 when none is current.
int CurrentMode(const EngineerControls& c);
// Only an offered mode can be chosen; false otherwise.
bool ChooseCurrentMode(EngineerControls& c, int mode);

// The count and speed bars: the segment each shows and the guard that keeps
// a bar click's own text from being taken as typing.
struct LightBars {
  int countSegment = 0;  // 1 to 10
  int stepSegment = 0;   // 1 to 8
  bool barEditGuard = false;
};
// The bars for the texts of a shown image; a count text outside 4 to 13
// leaves its bar as it was.
void ShowLightBars(const EngineerControls& c, LightBars& bars);
void LedCountTyped(EngineerControls& c, LightBars& bars, std::string_view text);
void LedCountLeft(EngineerControls& c, LightBars& bars);
void ClickLedCountSegment(EngineerControls& c, LightBars& bars, int segment);
void SpeedStepTyped(EngineerControls& c, LightBars& bars, std::string_view text);
void ClickSpeedSegment(EngineerControls& c, LightBars& bars, int segment);
void BreathingTyped(EngineerControls& c, std::string_view text);

// A colour edit (red, green or blue part) typed.
void ColorPartTyped(Edit& edit, std::string_view text);
// The colour of three edits; nothing while one holds no number.
std::optional<RgbColor> EditsColor(const ColorEdits& edits);
ColorEdits& KeyModeColorEdits(EngineerControls& c, int mode);
const ColorEdits& KeyModeColorEdits(const EngineerControls& c, int mode);

// Which colour dialog a click on a level's colour label opens: the named
// colours for the smart LED, the system's for the MCU LED, none while no
// image type is known or the level is disabled. Follows the type of the
// image shown last.
enum class ColorDialog { None, Named, System };
ColorDialog LevelColorDialog(const EngineerControls& c, int level);
// A named colour index 0 to 6 for a level's smart LED colour.
bool ChooseNamedColor(EngineerControls& c, int level, int index);
// A system colour confirmed for a level's MCU LED colour or a key mode.
void ChooseLevelRgb(EngineerControls& c, int level, const RgbColor& color);
void ChooseKeyModeColor(EngineerControls& c, int mode, const RgbColor& color);

// The colours the swatches show: a level's by the type of the image shown
// last (nothing for a named colour index outside the table or no type), a
// key mode's from its edits.
std::optional<RgbColor> LevelSwatch(const EngineerControls& c, int level);
std::optional<RgbColor> KeyModeSwatch(const EngineerControls& c, int mode);

}  // namespace veltrax
