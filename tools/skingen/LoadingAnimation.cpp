#include "LoadingAnimation.h"

#include <gif_lib.h>

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "Style.h"
#include "resources/SkinPictures.h"

namespace skingen {
namespace {

constexpr int kWidth = veltrax::kLoadingWindowWidth;
constexpr int kHeight = veltrax::kLoadingWindowHeight;
constexpr int kFrames = 12;
constexpr int kDelayCs = 8;  // hundredths of a second per frame

// Palette: 128 steps from black to the accent, 128 from black to white.
constexpr int kAccentSteps = 128;

GifColorType Mix(const QColor& c, int step, int steps) {
  const double t = static_cast<double>(step) / (steps - 1);
  return GifColorType{static_cast<GifByteType>(std::lround(c.red() * t)),
                      static_cast<GifByteType>(std::lround(c.green() * t)),
                      static_cast<GifByteType>(std::lround(c.blue() * t))};
}

std::vector<GifColorType> Palette() {
  std::vector<GifColorType> colors;
  for (int i = 0; i < kAccentSteps; ++i) colors.push_back(Mix(colors::kAccent, i, kAccentSteps));
  for (int i = 0; i < 256 - kAccentSteps; ++i) colors.push_back(Mix(Qt::white, i, 256 - kAccentSteps));
  return colors;
}

// Greys go to the white ramp, everything else to the accent ramp.
GifByteType IndexOf(QRgb pixel) {
  const int r = qRed(pixel);
  const int g = qGreen(pixel);
  const int b = qBlue(pixel);
  const bool grey = std::abs(r - g) < 24 && std::abs(g - b) < 24;
  if (grey) return static_cast<GifByteType>(kAccentSteps + std::lround(g / 255.0 * (255 - kAccentSteps)));
  const double t = std::clamp(g / static_cast<double>(colors::kAccent.green()), 0.0, 1.0);
  return static_cast<GifByteType>(std::lround(t * (kAccentSteps - 1)));
}

QImage Frame(int index) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::black);
  QPainter p(&image);
  Smooth(p);
  const QPointF centre(kWidth / 2.0, 84);
  for (int i = 0; i < kFrames; ++i) {
    const int age = (index - i + kFrames) % kFrames;  // 0: the head of the trail
    const double alpha = std::max(0.12, 1.0 - age * 0.16);
    QColor color = colors::kAccent;
    color.setAlphaF(alpha);
    p.save();
    p.translate(centre);
    p.rotate(i * 360.0 / kFrames);
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawRoundedRect(QRectF(-4, -46, 8, 20), 4, 4);
    p.restore();
  }
  p.setFont(Font(13, QFont::Bold, true));
  p.setPen(QColor(200, 206, 214));
  p.drawText(QRectF(0, 148, kWidth, 24), Qt::AlignCenter, "LOADING");
  return image;
}

bool Fail(const char* step, int code) {
  std::fprintf(stderr, "skingen: GIF %s failed: %s\n", step, GifErrorString(code));
  return false;
}

}  // namespace

bool WriteLoadingAnimation(const QString& path) {
  int code = 0;
  GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &code);
  if (gif == nullptr) return Fail("open", code);
  std::vector<GifColorType> colors = Palette();
  ColorMapObject* map = GifMakeMapObject(256, colors.data());
  bool ok = EGifPutScreenDesc(gif, kWidth, kHeight, 8, 0, map) == GIF_OK;
  GifFreeMapObject(map);
  // Loop for ever (the NETSCAPE2.0 application block).
  const GifByteType loop[] = {1, 0, 0};
  ok = ok && EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK &&
       EGifPutExtensionBlock(gif, 11, "NETSCAPE2.0") == GIF_OK && EGifPutExtensionBlock(gif, 3, loop) == GIF_OK &&
       EGifPutExtensionTrailer(gif) == GIF_OK;
  for (int f = 0; ok && f < kFrames; ++f) {
    GraphicsControlBlock control{DISPOSE_DO_NOT, false, kDelayCs, NO_TRANSPARENT_COLOR};
    GifByteType extension[4];
    EGifGCBToExtension(&control, extension);
    ok = EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension) == GIF_OK &&
         EGifPutImageDesc(gif, 0, 0, kWidth, kHeight, false, nullptr) == GIF_OK;
    const QImage image = Frame(f);
    std::vector<GifPixelType> line(kWidth);
    for (int y = 0; ok && y < kHeight; ++y) {
      const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
      for (int x = 0; x < kWidth; ++x) line[x] = IndexOf(pixels[x]);
      ok = EGifPutLine(gif, line.data(), kWidth) == GIF_OK;
    }
  }
  if (!ok) code = gif->Error;
  int closeCode = 0;
  if (EGifCloseFile(gif, &closeCode) != GIF_OK && ok) return Fail("close", closeCode);
  return ok ? true : Fail("write", code);
}

}  // namespace skingen
