#pragma once
// Where the PC macro library file lives, and loading, creating and saving it.

#include <filesystem>
#include <string_view>

#include "base/Error.h"
#include "macro/MacroLibrary.h"

namespace veltrax {

inline constexpr const char* kMacroLibraryFileName = "VELTRAX-Macro.bin";

// The user's data folder for the program: $XDG_DATA_HOME/veltrax, or
// ~/.local/share/veltrax when XDG_DATA_HOME is unset or empty. The caller
// passes the two environment values (null when unset).
std::filesystem::path DefaultMacroFolder(const char* xdgDataHome, const char* home);

// A non-empty Path option has the file name appended directly (it must end
// with a separator); an empty one means the user's data folder.
std::filesystem::path MacroLibraryPath(std::string_view pathOption, const std::filesystem::path& dataFolder);

// CheckPCMacro: loads the library file, or creates it (and its folder)
// from the built-in empty library when there is none. A file that exists
// but cannot be read, or a library that cannot be created, is an error.
Result<MacroLibrary> CheckPCMacro(const std::filesystem::path& file);

// RefreshPCMacro: writes all 100 records, atomically.
Status RefreshPCMacro(const MacroLibrary& library, const std::filesystem::path& file);

}  // namespace veltrax
