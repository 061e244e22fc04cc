#pragma once
// Faults the simulated mouse can be told to show, from tests or from
// --sim-fault=KIND[:ARG] on the command line.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "base/Error.h"

namespace veltrax {

struct SimFaults {
  int notReadyPolls = 0;                 // every request: this many polls answer "not ready" first
  int rejectReplies = 0;                 // the next N matching requests get a refusing status
  std::optional<uint8_t> rejectCommand;  // only this command code counts for rejectReplies
  bool advanceOnRefusal = false;         // a refused data chunk still moves the read or write position on
  int dropReplies = 0;                   // the next N matching requests are carried out, their replies lost
  std::optional<uint8_t> dropCommand;    // only this command code counts for dropReplies
  bool mute = false;                     // no reply fetch ever succeeds
  std::optional<uint16_t> stuckAddress;  // this byte always reads back wrong
  std::optional<uint8_t> modelByte;      // raw model byte of the status reply (default 0x75)
  bool noStatus = false;                 // status flag bit clear
  std::optional<uint8_t> marker;         // identity marker of the status reply (default 0xAA)
  std::optional<std::pair<uint8_t, uint8_t>> identity;  // bytes at 54 and 55 at power-on
  std::optional<int> unplugAfter;        // the mouse vanishes after this many set-feature requests
  int extraInterfaces = 0;               // other HID interfaces present beside the mouse
  bool denied = false;                   // the mouse's node may not be opened (no udev rule)
  std::optional<uint16_t> release;       // the mouse reports another release number
  uint16_t pressedButtons = 0;           // button mask of every status reply
};

// Applies one "KIND[:ARG]" to faults; the error names what was wrong.
Status ParseSimFault(const std::string& text, SimFaults& faults);

// The kinds ParseSimFault takes, one per line, for --help.
const char* SimFaultHelp();

}  // namespace veltrax
