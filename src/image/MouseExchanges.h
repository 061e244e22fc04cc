#pragma once
// The flows' exchanges with the mouse: what runs on the device thread. Each
// takes the link and plain values, and hands back what it found; none
// touches the pages.

#include <array>
#include <cstdint>
#include <optional>
#include <utility>

#include "device/DeviceLink.h"
#include "device/Sleeper.h"
#include "image/FlowResult.h"
#include "image/ImageLayout.h"

namespace veltrax {

// The identity pairs (vendor byte, product byte) a mouse may carry: the one
// of default image 1, and Rev_Manu_ID, Rev_Pro_ID of the global options.
struct AcceptedIdentities {
  std::pair<int, int> defaultImage{0xFF, 0xFF};
  std::pair<int, int> reserve{0, 0};

  bool Accepts(uint8_t vendor, uint8_t product) const;
};

// Btn_Read's exchanges inside the transaction ReadDevInfo opened, which it
// ends. When a chunk got no answer, everything from that chunk on is read
// once more with a fresh address command, as the mouse's read position
// after a refused chunk cannot be trusted. A mouse that went away meanwhile
// is dropped.
struct [[nodiscard]] ImageRead {
  bool read = false;  // false: an address command was refused or a chunk failed again
  bool unplugged = false;
  DeviceImage image{};
};
ImageRead ReadImageAndEnd(DeviceLink& link);

// ReadDevInfo's exchanges: identify the open mouse and, when it is
// accepted, read its image. A mouse that is not a served model is dropped
// (the handle closed, the ids kept); so is one that went away.
struct [[nodiscard]] IdentifyRead {
  ReadOutcome outcome = ReadOutcome::NoAnswer;
  std::optional<std::array<uint8_t, 2>> identity;  // the bytes at 54 and 55, when read
  ImageRead image;                                 // when the identity was accepted
};
IdentifyRead IdentifyAndRead(DeviceLink& link, const AcceptedIdentities& accepted);

// Writes the image, reads it back and rewrites mismatching bytes alone, at
// most three passes. A byte that was not read back counts as mismatching.
// Runs inside a transaction whose gate passed.
WriteOutcome WriteAndVerify(DeviceLink& link, const DeviceImage& image);
// The transaction around a write: the gate, WriteAndVerify when it passed,
// the end of the transaction when the marker came. The mouse takes the
// image with the end of the transaction, so a write whose end was not
// acknowledged is not counted as done. A mouse that went away is dropped.
WriteOutcome GateAndWrite(DeviceLink& link, const DeviceImage& image);

// The pause of a pressed button before its flow: 11 pauses of 10 ms.
void ButtonPause(Sleeper& sleeper);

}  // namespace veltrax
