#pragma once
// The captions of the Engineer page: 144 rows (ids 0x00 to 0x8F), each in
// English (column 0), an unused empty column (1) and Simplified Chinese (2).
// The column follows the locale at start, not the language buttons.

#include <optional>
#include <string>
#include <string_view>

namespace veltrax {

inline constexpr int kEngineerCaptionRows = 144;

// 2 for a Chinese (PRC) locale name such as "zh_CN", "zh-CN" or
// "zh_Hans_CN.UTF-8" (the window passes QLocale::system().name()), else 0.
int EngineerCaptionColumnForLocale(std::string_view localeName);

// The caption of row `id` in `column` (UTF-8); nothing when no row has that
// id or the column is not 0, 1 or 2, so the caller keeps its own text.
std::optional<std::string> EngineerCaption(int id, int column);

}  // namespace veltrax
