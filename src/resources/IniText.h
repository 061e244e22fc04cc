#pragma once
// The INI dialect of the built-in option and layout texts: one "[section]",
// "key=value" lines, ";" comments, "//" banner lines, blanks around "=" and
// at line ends ignored. Keys are matched without regard to case.

#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/AsciiCase.h"

namespace veltrax {

class IniSection {
 public:
  IniSection() = default;

  // Keeps the entries of `section` only; the first of two equal keys wins.
  // Total: lines that are neither entries nor headers are skipped.
  static IniSection Parse(std::string_view text, std::string_view section);
  // The same rules applied to lines already split (the language tables'
  // quoted items, which may hold line breaks inside a value).
  static IniSection FromLines(std::span<const std::string> lines, std::string_view section);

  std::optional<std::string> Value(std::string_view key) const;
  // A decimal integer with optional sign; nothing when missing, not a number
  // or out of range.
  std::optional<int> Int(std::string_view key) const;
  std::size_t size() const { return entries_.size(); }

 private:
  class Reader;
  std::map<std::string, std::string> entries_;  // keys in upper case
};

}  // namespace veltrax
