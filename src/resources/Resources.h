#pragma once
// The built-in pictures, compiled in with Qt's resource system and looked
// up by name as the program always did: "BtnS_01", "L2_BackGround",
// "WaitGif". The texts are in BuiltInTexts.h.

#include <cstdint>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "resources/GifAnimation.h"

namespace veltrax {

Result<std::vector<uint8_t>> ReadResource(std::string_view name);

// The loading window's animation.
Result<GifAnimation> LoadLoadingAnimation();

}  // namespace veltrax
