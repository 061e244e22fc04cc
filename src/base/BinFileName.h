#pragma once
// Files the program writes (profiles, macro files) carry ".bin": a chosen
// name gets it unless it already ends in it, in any letter case.

#include <filesystem>
#include <string>

#include "base/AsciiCase.h"

namespace veltrax {

inline std::filesystem::path WithBinExtension(const std::filesystem::path& chosen) {
  constexpr std::string_view kExtension = ".BIN";
  const std::string name = chosen.filename().string();
  if (name.size() >= kExtension.size() && UpperAscii(name.substr(name.size() - kExtension.size())) == kExtension) {
    return chosen;
  }
  std::filesystem::path target = chosen;
  target += ".bin";
  return target;
}

}  // namespace veltrax
