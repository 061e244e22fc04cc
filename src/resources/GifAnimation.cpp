#include "resources/GifAnimation.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

namespace veltrax {
namespace {

constexpr int kMaxSide = 4096;
constexpr int64_t kMaxTotalPixels = int64_t{64} * 1024 * 1024;  // over all frames

struct MemoryReader {
  std::span<const uint8_t> bytes;
  size_t at = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
  auto* reader = static_cast<MemoryReader*>(gif->UserData);
  const size_t count = std::min(static_cast<size_t>(std::max(wanted, 0)), reader->bytes.size() - reader->at);
  if (count > 0) std::memcpy(out, reader->bytes.data() + reader->at, count);
  reader->at += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};

Error GifError(const std::string& reason) { return Error{ErrorKind::BadFormat, "GIF animation: " + reason}; }

std::string GifReason(int code) {
  const char* text = GifErrorString(code);
  return text != nullptr ? text : "error " + std::to_string(code);
}

// Paints one frame's pixels onto the canvas, clipped to it.
void PaintFrame(const GifImageDesc& d, const std::vector<GifPixelType>& raster, const ColorMapObject& colors,
                int transparent, QImage& canvas) {
  for (int y = 0; y < d.Height; ++y) {
    const int cy = d.Top + y;
    if (cy < 0 || cy >= canvas.height()) continue;
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(cy));
    for (int x = 0; x < d.Width; ++x) {
      const int cx = d.Left + x;
      if (cx < 0 || cx >= canvas.width()) continue;
      const int index = raster[static_cast<size_t>(y) * d.Width + x];
      if (index == transparent || index >= colors.ColorCount) continue;
      const GifColorType& c = colors.Colors[index];
      line[cx] = qRgba(c.Red, c.Green, c.Blue, 255);
    }
  }
}

void ClearRect(const GifImageDesc& d, QImage& canvas) {
  for (int y = std::max(0, d.Top); y < std::min(canvas.height(), d.Top + d.Height); ++y) {
    auto* line = reinterpret_cast<QRgb*>(canvas.scanLine(y));
    for (int x = std::max(0, d.Left); x < std::min(canvas.width(), d.Left + d.Width); ++x) line[x] = 0;
  }
}

// Reads the current frame's pixels, in display order also when interlaced.
bool ReadRaster(GifFileType* gif, std::vector<GifPixelType>& raster) {
  const GifImageDesc& d = gif->Image;
  raster.assign(static_cast<size_t>(d.Width) * d.Height, 0);
  auto line = [&](int y) { return DGifGetLine(gif, raster.data() + static_cast<size_t>(y) * d.Width, d.Width) == GIF_OK; };
  if (!d.Interlace) {
    for (int y = 0; y < d.Height; ++y) {
      if (!line(y)) return false;
    }
    return true;
  }
  const int offsets[] = {0, 4, 2, 1};
  const int steps[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = offsets[pass]; y < d.Height; y += steps[pass]) {
      if (!line(y)) return false;
    }
  }
  return true;
}

// Skips an extension's blocks, keeping a graphic control block's settings.
bool ReadExtension(GifFileType* gif, GraphicsControlBlock& control) {
  int code = 0;
  GifByteType* block = nullptr;
  if (DGifGetExtension(gif, &code, &block) != GIF_OK) return false;
  if (code == GRAPHICS_EXT_FUNC_CODE && block != nullptr && block[0] >= 4) {
    DGifExtensionToGCB(block[0], block + 1, &control);
  }
  while (block != nullptr) {
    if (DGifGetExtensionNext(gif, &block) != GIF_OK) return false;
  }
  return true;
}

constexpr GraphicsControlBlock kNoControl{DISPOSAL_UNSPECIFIED, false, 0, NO_TRANSPARENT_COLOR};

}  // namespace

int GifAnimation::TotalMs() const {
  int total = 0;
  for (const GifFrame& frame : frames) total += frame.delayMs;
  return total;
}

int GifAnimation::FrameAt(int64_t elapsedMs) const {
  const int total = TotalMs();
  if (frames.empty() || total <= 0) return 0;
  int64_t t = elapsedMs < 0 ? 0 : elapsedMs % total;
  for (size_t i = 0; i < frames.size(); ++i) {
    if (t < frames[i].delayMs) return static_cast<int>(i);
    t -= frames[i].delayMs;
  }
  return static_cast<int>(frames.size()) - 1;
}

Result<GifAnimation> DecodeGif(std::span<const uint8_t> bytes) {
  MemoryReader reader{bytes};
  int code = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&reader, ReadFromMemory, &code));
  if (!gif) return GifError(GifReason(code));
  const int width = gif->SWidth;
  const int height = gif->SHeight;
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    return GifError("size " + std::to_string(width) + " x " + std::to_string(height) + " refused");
  }
  GifAnimation animation;
  animation.size = QSize(width, height);
  QImage canvas(width, height, QImage::Format_ARGB32);
  canvas.fill(0);
  GraphicsControlBlock control = kNoControl;
  std::vector<GifPixelType> raster;
  int64_t pixels = 0;
  // Record by record rather than DGifSlurp, so that a frame's size is
  // checked before its pixels are allocated.
  for (GifRecordType type = UNDEFINED_RECORD_TYPE; type != TERMINATE_RECORD_TYPE;) {
    if (DGifGetRecordType(gif.get(), &type) != GIF_OK) return GifError(GifReason(gif->Error));
    if (type == EXTENSION_RECORD_TYPE) {
      if (!ReadExtension(gif.get(), control)) return GifError(GifReason(gif->Error));
    } else if (type == IMAGE_DESC_RECORD_TYPE) {
      if (DGifGetImageDesc(gif.get()) != GIF_OK) return GifError(GifReason(gif->Error));
      const GifImageDesc& d = gif->Image;
      pixels += int64_t{width} * height + int64_t{d.Width} * d.Height;
      if (d.Width > kMaxSide || d.Height > kMaxSide || pixels > kMaxTotalPixels) return GifError("frames too large");
      const ColorMapObject* colors = d.ColorMap ? d.ColorMap : gif->SColorMap;
      if (colors == nullptr) return GifError("a frame has no colours");
      if (!ReadRaster(gif.get(), raster)) return GifError(GifReason(gif->Error));
      const QImage before = control.DisposalMode == DISPOSE_PREVIOUS ? canvas.copy() : QImage();
      PaintFrame(d, raster, *colors, control.TransparentColor, canvas);
      const int delay = control.DelayTime * 10;
      animation.frames.push_back(GifFrame{canvas.copy(), delay < 20 ? 100 : delay});
      if (control.DisposalMode == DISPOSE_BACKGROUND) ClearRect(d, canvas);
      if (control.DisposalMode == DISPOSE_PREVIOUS) canvas = before;
      control = kNoControl;
    }
  }
  if (animation.frames.empty()) return GifError("no frames");
  return animation;
}

}  // namespace veltrax
