#pragma once
// The global options (built-in text ORG, section org).

#include <string>
#include <string_view>

#include "base/Error.h"

namespace veltrax {

struct GlobalOptions {
  int webEnable = 0;
  std::string web;  // address opened by the web buttons
  int webX = 0;
  int webY = 0;
  int revManuId = 0;  // reserve identity pair handed to device discovery
  int revProId = 0;
  std::string path;  // folder of the PC macro library; empty: the program's folder
  int trEnable = 0;
  int dpiLedStatus = 0;
  int numOrder = 0;  // clamped to 0 (ascending) or 1 (descending)

  bool WebEnabled() const { return webEnable == 1; }
  bool RollingCaptions() const { return trEnable == 1; }
  bool SliderBars() const { return dpiLedStatus == 1; }  // otherwise progress style

  // Refuses a text that lacks an integer key, naming the keys concerned.
  static Result<GlobalOptions> Parse(std::string_view text);
};

// The number shown under segment i (from 1) of a bar of `segments` segments:
// i ascending, segments + 1 - i descending.
inline int ScaleNumber(int segment, int segments, int numOrder) {
  return numOrder >= 1 ? segments + 1 - segment : segment;
}

}  // namespace veltrax
