#pragma once
// A language table: the texts of one language addressed by string id
// ("Str108", "Title", "FontName"), read from the built-in tables lang1 to
// lang3. The stored form is UTF-16LE INI text whose entry lines are quoted,
// because the document is first split into items at blanks and line breaks
// with the double quote as quoting character. Texts are kept as UTF-8.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "base/TextTable.h"
#include "resources/IniText.h"

namespace veltrax {

class LanguageTable final : public TextTable {
 public:
  LanguageTable() = default;

  // Parses resource bytes: UTF-16LE, the byte-order mark FF FE skipped when
  // present. Only entries of `section` (matched without regard to case) are
  // kept; the first of two equal keys wins. Total: any bytes give a table,
  // broken code units read as U+FFFD, unusable items are skipped.
  static LanguageTable Parse(std::span<const uint8_t> bytes, std::string_view section);

  // The text of id, matched without regard to case; empty when missing.
  std::string Text(std::string_view id) const override;
  bool Has(std::string_view id) const;
  std::size_t size() const { return ini_.size(); }

 private:
  IniSection ini_;
};

// The id among Str100 to Str700 whose text equals `caption` exactly, looked
// for in each table in turn and in ascending id order; the last match wins
// (so "Stop" gives Str401). Empty when no table holds the caption.
std::string FindTextId(std::string_view caption, std::span<const TextTable* const> tables);

}  // namespace veltrax
