#pragma once
// The engineer page's import of a macro area file: the seven base macro
// slots written to the mouse's memory at 0x100 through the identity gate,
// and read back before they count as written.

#include <cstdint>
#include <span>
#include <vector>

#include "base/Error.h"
#include "device/DeviceLink.h"
#include "image/ImageLayout.h"
#include "macro/BaseMacroTable.h"

namespace veltrax {

static_assert(kMacroAreaBytes == kMacroAreaSize, "the base macro slots fill the macro area");

enum class [[nodiscard]] AreaImportOutcome {
  NoAnswer,   // the transaction could not be opened or the reply had no marker
  Rejected,   // not the served model: nothing written
  Refused,    // the mouse refused the write or some chunks of it
  Differs,    // written, but the mouse reads back other bytes, or not all of them
  EndRefused, // read back as written, but the mouse did not acknowledge the end of the transaction
  Unplugged,  // the mouse went away during the exchange
  Written,
};

// The area a macro area file holds. Any file that is not exactly a macro
// area (CheckMacroAreaFile) is refused: a shorter one would leave slots
// with whatever the buffer held before, and a profile or another file
// would put garbage macros into the mouse.
Result<std::vector<uint8_t>> MacroAreaOfFile(std::span<const uint8_t> file);

// Btn_ImportBaseMacroClick's exchange with the open mouse.
AreaImportOutcome WriteMacroArea(DeviceLink& link, std::span<const uint8_t, kMacroAreaBytes> area);

}  // namespace veltrax
