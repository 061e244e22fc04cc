#pragma once
// Whole-file reads and crash-safe whole-file writes.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "base/Error.h"

namespace veltrax {

// Reads the whole file; a missing or unreadable file gives the reason.
Result<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path);

// Writes to a temporary file in the same folder, flushes it to disk and
// renames it over the target, so the target is either old or new, never half.
Status WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes);

}  // namespace veltrax
