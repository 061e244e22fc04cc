#pragma once
// Upper-case hexadecimal digits, as codes and rows show bytes.

#include <string>

namespace veltrax {

// Two digits for the low byte of value: 0x0A -> "0A".
inline std::string HexByte(unsigned value) {
  constexpr char kDigits[] = "0123456789ABCDEF";
  return {kDigits[(value >> 4) & 0x0F], kDigits[value & 0x0F]};
}

}  // namespace veltrax
