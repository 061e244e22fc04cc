// One macro record (a single-macro file, a library record, a base macro
// slot): its name decoded, its events decoded into the editor's rows, and
// the rows encoded again.

#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "macro/MacroCodec.h"
#include "macro/MacroName.h"
#include "macro/MacroRecord.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace veltrax;
  MacroNameField name{};
  MacroContent content{};
  std::copy_n(data, std::min<size_t>(size, name.size()), name.begin());
  if (size > name.size()) std::copy_n(data + name.size(), std::min(size - name.size(), content.size()), content.begin());
  (void)MacroNameText(name);
  (void)HexUnitsToName(name);
  const DecodedMacro decoded = DecodeMacroContent(content);
  for (const auto& row : decoded.rows.rows) (void)ShownText(row);
  if (auto again = EncodeMacroRows(decoded.rows, decoded.playMode.value_or(0)); again && !ShowsEmpty(*again)) {
    if (!IsValidMacroContent(*again)) __builtin_trap();  // what the encoder makes must pass its own check
  }
  return 0;
}
