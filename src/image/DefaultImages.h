#pragma once
// The three built-in default images ("VELTRAXData_Cfg1" to "_Cfg3"): the
// factory configuration. Default image 1 is also shown with no mouse and
// gives the expected identity bytes.

#include "image/ImageLayout.h"

namespace veltrax {

constexpr int kDefaultImageCount = 3;

// Default image n (1 to 3); the three are identical.
const DeviceImage& DefaultImage(int n);

}  // namespace veltrax
