#include "resources/BuiltInTexts.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace veltrax {
namespace {

struct BuiltInText {
  std::string_view name;
  std::span<const uint8_t> bytes;
};

// The bytes of every text file, generated from resources/lang and
// resources/layout by the build: kBuiltInTexts.
#include "resources/BuiltInTextData.inc"

bool ValidLanguage(int language) { return language >= 1 && language <= 3; }

Result<std::span<const uint8_t>> Read(std::string_view name) {
  for (const BuiltInText& text : kBuiltInTexts) {
    if (text.name == name) return text.bytes;
  }
  return Error{ErrorKind::NotFound, "built-in text " + std::string(name)};
}

std::string_view AsText(std::span<const uint8_t> bytes) {
  return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

}  // namespace

LanguageTable LoadLanguageTable(int language) {
  if (!ValidLanguage(language)) return LanguageTable();
  const std::string name = "lang" + std::to_string(language);
  Result<std::span<const uint8_t>> bytes = Read(name);
  if (!bytes) return LanguageTable();
  return LanguageTable::Parse(bytes.value(), name);
}

Result<LayoutTable> LoadLayout(int language) {
  if (!ValidLanguage(language)) return Error{ErrorKind::BadArgument, "layout of language " + std::to_string(language)};
  Result<std::span<const uint8_t>> bytes = Read("ORG" + std::to_string(language));
  if (!bytes) return bytes.error();
  return LayoutTable::Parse(AsText(bytes.value()), "org" + std::to_string(language));
}

Result<GlobalOptions> LoadGlobalOptions() {
  Result<std::span<const uint8_t>> bytes = Read("ORG");
  if (!bytes) return bytes.error();
  return GlobalOptions::Parse(AsText(bytes.value()));
}

}  // namespace veltrax
