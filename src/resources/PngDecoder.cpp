#include "resources/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace veltrax {
namespace {

// Larger pictures than this are refused rather than allocated: the skin's
// largest is the 1030 x 662 background.
constexpr png_uint_32 kMaxSide = 8192;

// libpng reports errors by longjmp, so the two reading steps below keep no
// object with a destructor in their frames; everything lives in this plain
// record or in the caller.
struct PngReader {
  png_structp png = nullptr;
  png_infop info = nullptr;
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t at = 0;
  char message[160] = "damaged data";
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  size_t rowBytes = 0;
};

void ReadData(png_structp png, png_bytep out, size_t count) {
  auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
  if (reader->size - reader->at < count) png_error(png, "unexpected end of data");
  std::memcpy(out, reader->data + reader->at, count);
  reader->at += count;
}

void OnError(png_structp png, png_const_charp message) {
  auto* reader = static_cast<PngReader*>(png_get_error_ptr(png));
  std::snprintf(reader->message, sizeof reader->message, "%s", message);
  png_longjmp(png, 1);
}

void OnWarning(png_structp, png_const_charp) {}

// Reads the header and asks libpng for 8-bit B, G, R, A (A, R, G, B on a
// big-endian machine) rows, which is QImage::Format_ARGB32's memory order.
bool ReadHeader(PngReader* r) {
  if (setjmp(png_jmpbuf(r->png))) return false;
  png_set_read_fn(r->png, r, ReadData);
  png_set_user_limits(r->png, kMaxSide, kMaxSide);
  png_read_info(r->png, r->info);
  r->width = png_get_image_width(r->png, r->info);
  r->height = png_get_image_height(r->png, r->info);
  png_set_expand(r->png);
  png_set_scale_16(r->png);
  png_set_gray_to_rgb(r->png);
  png_set_filler(r->png, 0xFF, PNG_FILLER_AFTER);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
  png_set_bgr(r->png);
#else
  png_set_swap_alpha(r->png);
#endif
  png_set_interlace_handling(r->png);
  png_read_update_info(r->png, r->info);
  r->rowBytes = png_get_rowbytes(r->png, r->info);
  return true;
}

bool ReadRows(PngReader* r, png_bytep* rows) {
  if (setjmp(png_jmpbuf(r->png))) return false;
  png_read_image(r->png, rows);
  png_read_end(r->png, nullptr);
  return true;
}

struct ReaderCloser {
  PngReader& reader;
  ~ReaderCloser() { png_destroy_read_struct(&reader.png, reader.info ? &reader.info : nullptr, nullptr); }
};

Error PngError(const std::string& reason) { return Error{ErrorKind::BadFormat, "PNG picture: " + reason}; }

}  // namespace

Result<QImage> DecodePng(std::span<const uint8_t> bytes) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) return PngError("not a PNG file");
  PngReader reader;
  reader.data = bytes.data();
  reader.size = bytes.size();
  reader.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &reader, OnError, OnWarning);
  if (reader.png == nullptr) return PngError("out of memory");
  ReaderCloser closer{reader};
  reader.info = png_create_info_struct(reader.png);
  if (reader.info == nullptr) return PngError("out of memory");
  if (!ReadHeader(&reader)) return PngError(reader.message);
  if (reader.width == 0 || reader.height == 0 || reader.rowBytes != size_t{reader.width} * 4) {
    return PngError("unexpected picture layout");
  }
  QImage picture(static_cast<int>(reader.width), static_cast<int>(reader.height), QImage::Format_ARGB32);
  if (picture.isNull()) return PngError("out of memory");
  std::vector<png_bytep> rows(reader.height);
  for (png_uint_32 y = 0; y < reader.height; ++y) rows[y] = picture.scanLine(static_cast<int>(y));
  if (!ReadRows(&reader, rows.data())) return PngError(reader.message);
  return picture;
}

}  // namespace veltrax
