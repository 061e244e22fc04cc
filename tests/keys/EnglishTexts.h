#pragma once
// The English texts that naming and the menus read, for tests.

#include "base/TextTable.h"

namespace veltrax::test {

inline MapTextTable EnglishTexts() {
  return MapTextTable({
      {"Str108", "Please keep a Left Key"},
      {"Str200", "*"},
      {"Str201", "Standard Mouse Key"},
      {"Str202", "Special Key"},
      {"Str203", "Media Fn"},
      {"Str204", "WWW Fn"},
      {"Str205", "User-defined"},
      {"Str206", "Base Macro"},
      {"Str207", "PC Fn"},
      {"Str210", "Left Key"},
      {"Str211", "Right Key"},
      {"Str212", "Middle Key"},
      {"Str213", "Back"},
      {"Str214", "Forward"},
      {"Str220", "Fire Key"},
      {"Str221", "LED Switch"},
      {"Str222", "AIM Key"},
      {"Str224", "Key Off"},
      {"Str225", "KB Switch Key"},
      {"Str226", "LED Switch Key"},
      {"Str230", "DPI Key"},
      {"Str231", "DPI Loop"},
      {"Str232", "DPI +"},
      {"Str233", "DPI -"},
      {"Str240", "My Computer"},
      {"Str241", "Calculator"},
      {"Str242", "E-Mail"},
      {"Str243", "Desktop"},
      {"Str250", "Play/Pause"},
      {"Str251", "Stop"},
      {"Str252", "Previous Track"},
      {"Str253", "Next Track"},
      {"Str254", "Volume +"},
      {"Str255", "Volume -"},
      {"Str256", "Mute"},
      {"Str260", "Home"},
      {"Str261", "Search"},
      {"Str262", "Back"},
      {"Str263", "Forward"},
      {"Str264", "Stop"},
      {"Str265", "Refresh"},
      {"Str266", "Favorites"},
  });
}

}  // namespace veltrax::test
