#pragma once
// Every key that each layout text (ORG1 to ORG3) holds, by group, and every
// key of the global options (ORG).

#include <span>
#include <string_view>

namespace veltrax {

std::span<const std::string_view> AllLayoutKeys();
std::span<const std::string_view> AllGlobalOptionKeys();

}  // namespace veltrax
