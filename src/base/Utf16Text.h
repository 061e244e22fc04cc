#pragma once
// UTF-8 (the program's texts) to UTF-16 code units (stored macro names,
// language tables) and back.

#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

// Nothing when text is not well-formed UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view units);

}  // namespace veltrax
