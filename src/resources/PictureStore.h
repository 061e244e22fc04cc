#pragma once
// The skin's pictures by resource name, decoded once and kept for the run.

#include <map>
#include <string>
#include <string_view>

#include <QColor>
#include <QImage>

#include "base/Error.h"

namespace veltrax {

class PictureStore {
 public:
  // The picture of that name ("BtnS_02", "L3_Back2"), or why there is none.
  Result<QImage> Find(std::string_view name);
  // The same, a null QImage when the picture is missing or damaged.
  QImage Picture(std::string_view name);

 private:
  std::map<std::string, QImage, std::less<>> cache_;
};

// A layout colour (R + G*256 + B*65536) as a QColor.
inline QColor ColorFromPacked(uint32_t packed) {
  return QColor(static_cast<int>(packed & 0xFF), static_cast<int>((packed >> 8) & 0xFF),
                static_cast<int>((packed >> 16) & 0xFF));
}

}  // namespace veltrax
