#include "resources/PictureStore.h"

#include "resources/PngDecoder.h"
#include "resources/Resources.h"

namespace veltrax {

Result<QImage> PictureStore::Find(std::string_view name) {
  if (auto it = cache_.find(name); it != cache_.end()) return it->second;
  Result<std::vector<uint8_t>> bytes = ReadResource(name);
  if (!bytes) return bytes.error();
  Result<QImage> picture = DecodePng(bytes.value());
  if (!picture) return Error{picture.error().kind, std::string(name) + ": " + picture.error().context};
  cache_.emplace(std::string(name), picture.value());
  return picture.value();
}

QImage PictureStore::Picture(std::string_view name) {
  Result<QImage> picture = Find(name);
  return picture ? picture.value() : QImage();
}

}  // namespace veltrax
