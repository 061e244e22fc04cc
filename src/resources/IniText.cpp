#include "resources/IniText.h"

#include <charconv>

namespace veltrax {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

bool StartsWith(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

}  // namespace

// Feeds lines one by one, tracking whether they lie in the wanted section.
class IniSection::Reader {
 public:
  explicit Reader(std::string_view section) : wanted_(UpperAscii(Trim(section))) {}

  void Line(std::string_view raw) {
    const std::string_view line = Trim(raw);
    if (line.empty() || line.front() == ';' || StartsWith(line, "//")) return;
    if (line.front() == '[') {
      const size_t close = line.find(']');
      inside_ = close != std::string_view::npos && UpperAscii(Trim(line.substr(1, close - 1))) == wanted_;
      return;
    }
    const size_t equals = line.find('=');
    if (!inside_ || equals == std::string_view::npos) return;
    const std::string_view key = Trim(line.substr(0, equals));
    if (key.empty()) return;
    result_.entries_.emplace(UpperAscii(key), std::string(Trim(line.substr(equals + 1))));
  }

  IniSection Take() { return std::move(result_); }

 private:
  std::string wanted_;
  bool inside_ = false;
  IniSection result_;
};

IniSection IniSection::Parse(std::string_view text, std::string_view section) {
  Reader reader(section);
  while (!text.empty()) {
    const size_t end = text.find('\n');
    reader.Line(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
  }
  return reader.Take();
}

IniSection IniSection::FromLines(std::span<const std::string> lines, std::string_view section) {
  Reader reader(section);
  for (const std::string& line : lines) reader.Line(line);
  return reader.Take();
}

std::optional<std::string> IniSection::Value(std::string_view key) const {
  auto it = entries_.find(UpperAscii(key));
  if (it == entries_.end()) return std::nullopt;
  return it->second;
}

std::optional<int> IniSection::Int(std::string_view key) const {
  const std::optional<std::string> text = Value(key);
  if (!text || text->empty()) return std::nullopt;
  std::string_view digits = *text;
  if (digits.front() == '+') {
    digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '-') return std::nullopt;
  }
  int value = 0;
  const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
  if (error != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
  return value;
}

}  // namespace veltrax
