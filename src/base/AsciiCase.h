#pragma once
// Keys and ids are compared without regard to letter case, in upper case.

#include <string>
#include <string_view>

namespace veltrax {

inline std::string UpperAscii(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace veltrax
