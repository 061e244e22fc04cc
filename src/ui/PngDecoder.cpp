#include "ui/PngDecoder.h"

#include <png.h>

#include <cstring>
#include <string>

namespace veltrax {
namespace {

// Larger pictures than this are refused rather than allocated: the skin's
// largest is the 1030 x 662 background.
constexpr png_uint_32 kMaxSide = 8192;

Error PngError(const std::string& reason) { return Error{ErrorKind::BadFormat, "PNG picture: " + reason}; }

}  // namespace

Result<QImage> DecodePng(std::span<const uint8_t> bytes) {
  if (bytes.empty()) return PngError("no data");
  png_image image;
  std::memset(&image, 0, sizeof image);
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size())) {
    const std::string reason = image.message;
    png_image_free(&image);
    return PngError(reason);
  }
  if (image.width == 0 || image.height == 0 || image.width > kMaxSide || image.height > kMaxSide) {
    png_image_free(&image);
    return PngError("size " + std::to_string(image.width) + " x " + std::to_string(image.height) + " refused");
  }
  // QImage::Format_ARGB32 holds 0xAARRGGBB words: B, G, R, A bytes on a
  // little-endian machine.
  image.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
  QImage picture(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
  if (picture.isNull()) {
    png_image_free(&image);
    return PngError("out of memory");
  }
  if (!png_image_finish_read(&image, nullptr, picture.bits(), static_cast<png_int_32>(picture.bytesPerLine()),
                             nullptr)) {
    const std::string reason = image.message;
    png_image_free(&image);
    return PngError(reason);
  }
  png_image_free(&image);
  return picture;
}

}  // namespace veltrax
