#pragma once
// The name a mistyped word most likely meant: "raed" -> "read".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrax::cli {

// Edits between a and b, ignoring case: insertions, deletions,
// substitutions and swaps of two neighbouring letters count one each.
int EditDistance(std::string_view a, std::string_view b);

// The name closest to word, if one is close enough to be a slip of the
// fingers (one edit in short words, two in longer ones); the first of equals.
std::optional<std::string> NearestName(std::string_view word, const std::vector<std::string>& names);

}  // namespace veltrax::cli
