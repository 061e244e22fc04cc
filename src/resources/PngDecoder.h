#pragma once
// Decodes PNG pictures of the skin with libpng.

#include <cstdint>
#include <span>

#include <QImage>

#include "base/Error.h"

namespace veltrax {

// Any PNG colour type and depth gives a QImage::Format_ARGB32 picture.
// Truncated or damaged data gives BadFormat with libpng's reason.
Result<QImage> DecodePng(std::span<const uint8_t> bytes);

}  // namespace veltrax
