#include "cli/NearestName.h"

#include <algorithm>
#include <cctype>

namespace veltrax::cli {

int EditDistance(std::string_view a, std::string_view b) {
  auto same = [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
  };
  const size_t n = a.size(), m = b.size();
  // d[i][j]: edits between the first i letters of a and the first j of b.
  std::vector<std::vector<int>> d(n + 1, std::vector<int>(m + 1, 0));
  for (size_t i = 0; i <= n; ++i) d[i][0] = static_cast<int>(i);
  for (size_t j = 0; j <= m; ++j) d[0][j] = static_cast<int>(j);
  for (size_t i = 1; i <= n; ++i) {
    for (size_t j = 1; j <= m; ++j) {
      const int cost = same(a[i - 1], b[j - 1]) ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && same(a[i - 1], b[j - 2]) && same(a[i - 2], b[j - 1])) {
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
      }
    }
  }
  return d[n][m];
}

std::optional<std::string> NearestName(std::string_view word, const std::vector<std::string>& names) {
  const int allowed = word.size() <= 4 ? 1 : 2;
  std::optional<std::string> best;
  int bestDistance = allowed + 1;
  for (const std::string& name : names) {
    const int distance = EditDistance(word, name);
    if (distance < bestDistance) {
      bestDistance = distance;
      best = name;
    }
  }
  return best;
}

}  // namespace veltrax::cli
