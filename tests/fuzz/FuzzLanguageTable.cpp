// A language table (UTF-16LE INI text with quoted items).

#include <cstddef>
#include <cstdint>
#include <span>

#include "resources/LanguageTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veltrax;
  const LanguageTable table = LanguageTable::Parse(std::span<const uint8_t>(data, size), "lang1");
  (void)table.Text("Str100");
  (void)table.Text("Title");
  const TextTable* tables[] = {&table};
  (void)FindTextId("Stop", tables);
  return 0;
}
