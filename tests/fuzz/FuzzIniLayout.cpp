// The INI texts: the global options and a language's layout, with the
// lookups the window makes of them.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "resources/GlobalOptions.h"
#include "resources/IniText.h"
#include "resources/LayoutTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veltrax;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const IniSection section = IniSection::Parse(text, "org1");
  (void)section.Value("Btn_A2_X");
  (void)section.Int("Btn_A2_X");
  (void)GlobalOptions::Parse(text);
  const LayoutTable layout = LayoutTable::Parse(text, "org1");
  (void)layout.Place("Btn_A2", 1024, 768);
  (void)layout.Color("Color_G_SF");
  return 0;
}
