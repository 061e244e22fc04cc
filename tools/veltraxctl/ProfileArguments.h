#pragma once
// The profile files and key profiles that assign and macro bind edit: a
// whole profile whose key profiles pass their checksum, and "A" or "B".

#include <string>
#include <string_view>

#include "base/Error.h"
#include "image/ImageLayout.h"
#include "keys/ButtonAssigner.h"

namespace veltrax::ctl {

// "A"/"a" is Mode A, "B"/"b" Mode B; anything else a BadArgument.
Result<KeyProfile> ParseKeyProfile(std::string_view text);

// A profile file whose buttons can be edited: readable, 2048 bytes with the
// type marker, and key profiles that pass their checksum (otherwise the
// window would show the built-in defaults in their place).
Result<DeviceImage> ReadEditableProfile(const std::string& file);

}  // namespace veltrax::ctl
