#pragma once
// The USB ids of the served mouse model (candidate entry 0). Change them here
// to serve a mouse with other ids; the udev rule in packaging/ names the same pair.

#include <cstdint>

namespace veltrax {

constexpr uint16_t kServedVendorId = 0x04D9;
constexpr uint16_t kServedProductId = 0xFC55;

}  // namespace veltrax
