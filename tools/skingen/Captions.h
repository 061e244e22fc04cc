#pragma once
// The words the skin's pictures carry themselves, per language: section
// titles, the captions of fixed options and short hints. Language 3 is the
// English variant that names DPI "CPI".

#include <QString>

namespace skingen {

struct Captions {
  // Window furniture
  QString product;
  QString pages;
  QString profile;
  QString presets;
  QString language;
  // Key page
  QString keysTitle;
  QString keysHint;
  // Advanced page
  QString dpiTitle;
  QString dpiLevels;
  QString fireTitle;
  QString fireShots;
  QString fireInterval;
  QString pointerTitle;
  QString pointerSpeed;
  QString doubleClick;
  QString scrollLines;
  QString precision;
  QString screenPerNotch;
  // Light page
  QString lightTitle;
  QString ledPower;
  QString ledSwitch;
  QString modeSwitch;
  QString rememberMode;
  QString brightness;
  QString on;
  QString off;
  QString save;
  QString noSave;
  QString full;
  QString half;
  QString lightModes;
  QString mode;  // followed by the mode's number
  QString lightSpeed;
  QString ledCount;
  QString keyModeColors;
  QString modeA;
  QString modeB;
  // Macro page
  QString library;
  QString events;
  QString recording;
  QString recordDelay;
  QString defaultDelay;
  QString noDelay;
  QString ms;
  QString releaseStop;
  QString releaseContinue;
  QString macroHint;
};

// Captions of language 1, 2 or 3.
const Captions& CaptionsOf(int language);

}  // namespace skingen
