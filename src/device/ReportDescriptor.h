#pragma once
// Feature report length from a raw HID report descriptor, computed the way
// the HID capabilities of an interface state it.

#include <cstdint>
#include <span>

namespace veltrax {

// The longest feature report in bytes, plus one when the descriptor uses
// report IDs; 0 when it declares no feature report.
int FeatureReportLength(std::span<const uint8_t> descriptor);

}  // namespace veltrax
