#include "resources/LanguageTable.h"

#include <cstdio>
#include <vector>

#include "base/Utf16Text.h"

namespace veltrax {
namespace {

// UTF-16LE to UTF-8; a lone surrogate or an odd last byte becomes U+FFFD.
std::string Utf16LeToUtf8(std::span<const uint8_t> bytes) {
  std::u16string units;
  units.reserve(bytes.size() / 2 + 1);
  for (size_t i = 0; i + 1 < bytes.size(); i += 2) units += static_cast<char16_t>(bytes[i] | (bytes[i + 1] << 8));
  if (bytes.size() % 2 != 0) units += u'\xFFFD';
  return Utf16ToUtf8(units);
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Splits at blanks and line breaks; an item that starts with a double quote
// runs to the closing quote (two quotes stand for one) or to the end.
std::vector<std::string> SplitQuotedItems(std::string_view text) {
  std::vector<std::string> items;
  size_t i = 0;
  while (true) {
    while (i < text.size() && IsBlank(text[i])) ++i;
    if (i >= text.size()) break;
    std::string item;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            item += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        item += text[i++];
      }
    } else {
      const size_t start = i;
      while (i < text.size() && !IsBlank(text[i])) ++i;
      item.assign(text.substr(start, i - start));
    }
    items.push_back(std::move(item));
  }
  return items;
}

}  // namespace

LanguageTable LanguageTable::Parse(std::span<const uint8_t> bytes, std::string_view section) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) bytes = bytes.subspan(2);
  LanguageTable table;
  table.ini_ = IniSection::FromLines(SplitQuotedItems(Utf16LeToUtf8(bytes)), section);
  return table;
}

std::string LanguageTable::Text(std::string_view id) const { return ini_.Value(id).value_or(std::string()); }

bool LanguageTable::Has(std::string_view id) const { return ini_.Value(id).has_value(); }

std::string FindTextId(std::string_view caption, std::span<const TextTable* const> tables) {
  std::string found;
  // Every missing id reads as empty, so an empty caption names nothing.
  if (caption.empty()) return found;
  for (const TextTable* table : tables) {
    if (table == nullptr) continue;
    for (int number = 100; number <= 700; ++number) {
      char id[8];
      std::snprintf(id, sizeof id, "Str%03d", number);
      if (table->Text(id) == caption) found = id;
    }
  }
  return found;
}

}  // namespace veltrax
