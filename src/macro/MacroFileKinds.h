#pragma once
// The kinds of macro file, checked before their bytes are used: a single
// macro (256 bytes), a whole library (25600 bytes) and a macro area (1792
// bytes, the mouse's seven base macros). Each check says what is wrong,
// and names the kind a file of that size is, so a profile given by
// mistake is called a profile. The messages name no file: callers put the
// file's name before them.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "base/Error.h"

namespace veltrax {

// 256 bytes, a macro name in the name field, and events that are empty or
// pass their checksum.
Status CheckMacroFile(std::span<const uint8_t> bytes);
// 25600 bytes; every present record named and its events empty or intact.
Status CheckLibraryFile(std::span<const uint8_t> bytes);
// 1792 bytes; every present slot named and its events empty or intact.
Status CheckMacroAreaFile(std::span<const uint8_t> bytes);

// Before the library file is read or rewritten: a missing or empty file
// becomes an empty library, one of 25600 bytes is read; any other size is
// some other file, which must not be overwritten with a library.
Status CheckLibrarySize(std::size_t size);

// "a profile" for the size of one of the program's file kinds, empty for
// any other size.
std::string KindOfSize(std::size_t size);

}  // namespace veltrax
