#pragma once
// Between the stored bytes of a macro and its rows.

#include <cstdint>
#include <optional>
#include <vector>

#include "macro/MacroRecord.h"
#include "macro/MacroRow.h"

namespace veltrax {

struct DecodedMacro {
  MacroRowList rows;                 // header "00", "01" + ms or "10", then one row per event
  std::optional<uint8_t> playMode;   // from byte 0 when it is 0 or 1; otherwise unchanged
  DelayMode delayMode = DelayMode::None;
  int defaultDelayMs = 0;            // shown in the default delay field with DelayMode::Default
};

// Rows of a content, keys named by the key catalogue. Never reads past the 224 bytes, whatever the length byte
// says; a content that ends inside an event shows the events before it.
// Delay runs of up to five 0xFE pairs make one row; the delay mode is
// inferred from the first four delay totals.
DecodedMacro DecodeMacroContent(const MacroContent& content);

// The event bytes the rows after the header stand for.
std::vector<uint8_t> EncodeRowEvents(const std::vector<std::string>& rows);

// The content for rows and a play mode: all zero without events, nothing
// when the events exceed 221 bytes.
std::optional<MacroContent> EncodeMacroRows(const MacroRowList& rows, uint8_t playMode);

}  // namespace veltrax
