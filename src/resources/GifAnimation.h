#pragma once
// An animated GIF (the loading window's picture) decoded with giflib into
// whole frames, each already composed over the frames before it.

#include <cstdint>
#include <span>
#include <vector>

#include <QImage>
#include <QSize>

#include "base/Error.h"

namespace veltrax {

struct GifFrame {
  QImage image;       // Format_ARGB32, the animation's full size
  int delayMs = 100;  // a delay below 20 ms counts as 100 ms, as browsers do
};

struct GifAnimation {
  QSize size;
  std::vector<GifFrame> frames;

  int TotalMs() const;
  // Index of the frame shown `elapsedMs` after the start, looping forever.
  int FrameAt(int64_t elapsedMs) const;
};

// Truncated or damaged data, or a GIF without frames, gives BadFormat.
Result<GifAnimation> DecodeGif(std::span<const uint8_t> bytes);

}  // namespace veltrax
