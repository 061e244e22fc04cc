#include "image/ProfileFile.h"

#include <algorithm>

#include "base/BinFileName.h"
#include "base/FileIo.h"

namespace veltrax {

Result<DeviceImage> ParseProfile(std::span<const uint8_t> bytes) {
  if (bytes.size() != kImageSize) {
    return Error{ErrorKind::BadFormat,
                 "a profile is 2048 bytes, this file holds " + std::to_string(bytes.size()) + " bytes"};
  }
  if (bytes[kTypeMarkerAddress] != kTypeMarker) return Error{ErrorKind::BadFormat, "no profile type marker"};
  DeviceImage image;
  std::copy(bytes.begin(), bytes.end(), image.begin());
  return image;
}

Result<DeviceImage> ReadProfileFile(const std::filesystem::path& path) {
  auto bytes = ReadWholeFile(path, kImageSize);
  if (!bytes) return bytes.error();
  auto image = ParseProfile(bytes.value());
  if (!image) return Error{image.error().kind, path.string() + ": " + image.error().context};
  return image;
}

std::filesystem::path ProfileTarget(const std::filesystem::path& chosen) { return WithBinExtension(chosen); }

}  // namespace veltrax
