#pragma once
// The few texts of the Advanced and Light pages that the language tables
// lack, in the three languages (1 and 3 English, 2 Traditional Chinese;
// language 3 says CPI for DPI).

#include <QString>

namespace veltrax::gui {

struct SettingsTexts {
  QString levelLabel;          // "DPI %1"
  QString dpiHintLabels;       // how the DPI rows work where level names add and remove levels
  QString dpiHintCount;        // the same beside the level count choice
  QString keyModeColorHint;    // under the key mode colour swatches
  QString pointerDesktop;      // the desktop keeps speed, precision and double-click
  QString pointerOwnFile;      // no desktop settings: the program keeps all
  QString pointerFileTip;      // "Kept in %1"
  QString smartLedNoEffects;   // over the light effects, speed and count
  QString smartLedMcuOnly;     // over a control of the MCU LED only
};

const SettingsTexts& SettingsTextsOf(int language);

}  // namespace veltrax::gui
