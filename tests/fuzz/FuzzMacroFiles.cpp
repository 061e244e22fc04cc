// The macro files a user may hand to the program: a single macro, a whole
// library and a macro area, each checked for its kind and then taken as
// the library operations and the base macro table take them.

#include <cstddef>
#include <cstdint>
#include <span>

#include "macro/BaseMacroTable.h"
#include "macro/MacroAreaImport.h"
#include "macro/MacroFileKinds.h"
#include "macro/MacroLibrary.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veltrax;
  const std::span<const uint8_t> bytes(data, size);
  (void)KindOfSize(size);
  (void)CheckMacroFile(bytes);
  (void)CheckLibraryFile(bytes);
  (void)CheckLibrarySize(size);

  MacroLibrary library = MacroLibrary::FromBytes(bytes);
  (void)library.Names();
  (void)library.ImportOne(bytes);
  library.ImportAll(bytes);
  (void)library.ToBytes();

  if (auto area = MacroAreaOfFile(bytes)) {
    const auto slots = std::span<const uint8_t, kMacroAreaBytes>(area.value().data(), kMacroAreaBytes);
    (void)ReadAndRefreshMacro(slots);
    (void)BaseMacroNamesOf(slots);
  }
  return 0;
}
