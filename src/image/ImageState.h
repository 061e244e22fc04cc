#pragma once
// What the main window holds of the configuration: the working image,
// DataBuf, the macro working buffer and the engineer controls.

#include <string>
#include <vector>

#include "image/EngineerControls.h"
#include "image/ImageLayout.h"

namespace veltrax {

struct ImageState {
  DeviceImage workingImage{};
  DataBuf dataBuf;
  MacroWorkingBuffer macroBuffer{};
  EngineerControls controls;
  // Names of the sections whose check failed at the last ImageToDataBuf.
  std::vector<std::string> repaired;
  // Set while the defaults are shown for want of a mouse; the page
  // navigation reads it.
  bool noDevice = true;
};

}  // namespace veltrax
