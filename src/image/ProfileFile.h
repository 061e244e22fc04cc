#pragma once
// Profile files: exactly the 2048-byte image, type marker 0x99 at 0x07F.

#include <filesystem>
#include <span>

#include "base/Error.h"
#include "image/ImageLayout.h"

namespace veltrax {

// The image a file's bytes hold; BadFormat when they are not 2048 bytes or
// lack the type marker.
Result<DeviceImage> ParseProfile(std::span<const uint8_t> bytes);
// Reads and parses a profile file; Io/NotFound/PermissionDenied when it
// cannot be read.
Result<DeviceImage> ReadProfileFile(const std::filesystem::path& path);
// The chosen name with ".bin" appended unless it already ends in it (in
// any letter case).
std::filesystem::path ProfileTarget(const std::filesystem::path& chosen);

}  // namespace veltrax
