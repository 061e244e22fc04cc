// The loading window's animation through the GIF decoder, and the frame
// lookup over its delays.

#include <cstddef>
#include <cstdint>
#include <span>

#include "resources/GifAnimation.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  auto animation = veltrax::DecodeGif(std::span<const uint8_t>(data, size));
  if (animation) {
    (void)animation.value().TotalMs();
    (void)animation.value().FrameAt(123456);
  }
  return 0;
}
