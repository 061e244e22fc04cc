#pragma once
// Whole-file reads of bounded size and crash-safe whole-file writes.

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "base/Error.h"

namespace veltrax {

// Enough for any text or picture the program reads; the file formats of
// its own pass their exact sizes.
inline constexpr std::size_t kDefaultReadLimit = std::size_t{1} << 20;

// Reads a whole regular file of at most maxBytes. Anything else (a folder,
// a device such as /dev/zero, a FIFO, a longer file) is refused with
// BadFormat and why, without reading more than maxBytes + 1 bytes or
// waiting for a writer. A missing or unreadable file gives the reason.
Result<std::vector<uint8_t>> ReadWholeFile(const std::filesystem::path& path,
                                           std::size_t maxBytes = kDefaultReadLimit);

enum class Existing {
  Replace,  // an existing file is replaced
  Keep,     // an existing file stays; the write fails with AlreadyExists
};

// Writes to a temporary file in the target's folder, flushes it to disk and
// renames it over the target, then flushes the folder, so the target is
// either old or new, never half. A symbolic link is written through: the
// file it names is replaced and the link stays. An existing file keeps its
// permission bits (and its owner where the system allows); a new one gets
// what the umask allows of 0666. Temporary files that a killed save left
// behind are removed by the next save of the same file.
Status WriteFileAtomically(const std::filesystem::path& path, std::span<const uint8_t> bytes,
                           Existing existing = Existing::Replace);

}  // namespace veltrax
