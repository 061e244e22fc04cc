// A skin picture through the PNG decoder.

#include <cstddef>
#include <cstdint>
#include <span>

#include "resources/PngDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  (void)veltrax::DecodePng(std::span<const uint8_t>(data, size));
  return 0;
}
