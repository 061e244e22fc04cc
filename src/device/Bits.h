#pragma once
// Single-bit edits of 32-bit values; n is 0..31.

#include <cstdint>

namespace veltrax {

constexpr bool TestBit(uint32_t value, int n) { return ((value >> n) & 1U) != 0; }
constexpr uint32_t SetBit(uint32_t value, int n) { return value | (1U << n); }
constexpr uint32_t ClearBit(uint32_t value, int n) { return value & ~(1U << n); }

}  // namespace veltrax
