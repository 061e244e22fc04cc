#pragma once
// A row of segment pictures showing one step: the DPI and AIM key bars (11
// segments), the LED count (10) and speed (8) bars and the pointer bars (11).

namespace veltrax {

// DPILED_Status 1: only the chosen segment lit; otherwise every segment up
// to the chosen one.
enum class BarLook { Slider, Progress };

// Whether segment k (from 1) is lit while the bar shows `shown` (1 to the
// segment count; 0 shows no segment lit).
constexpr bool SegmentLit(int k, int shown, BarLook look) {
  if (shown <= 0) return false;
  return look == BarLook::Slider ? k == shown : k <= shown;
}

}  // namespace veltrax
