#pragma once
// The texts of the current language, addressed by string id ("Str108",
// "Title", "FontName"). Domain code names things through this; the window
// gives it the loaded language table. Texts are UTF-8.

#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "base/AsciiCase.h"

namespace veltrax {

class TextTable {
 public:
  virtual ~TextTable() = default;
  // The text of id, matched without regard to letter case; empty when missing.
  virtual std::string Text(std::string_view id) const = 0;
};

// A table held in memory; keys are stored in upper case.
class MapTextTable final : public TextTable {
 public:
  MapTextTable() = default;
  explicit MapTextTable(const std::map<std::string, std::string>& entries) {
    for (const auto& [key, value] : entries) Set(key, value);
  }
  void Set(std::string_view id, std::string value) { entries_[UpperAscii(id)] = std::move(value); }
  std::string Text(std::string_view id) const override {
    auto it = entries_.find(UpperAscii(id));
    return it == entries_.end() ? std::string() : it->second;
  }

 private:
  std::map<std::string, std::string> entries_;
};

}  // namespace veltrax
