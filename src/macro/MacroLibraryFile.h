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

// CheckPCMacro: loads the library file, or creates it from the built-in
// empty library when there is none (or it is empty). A missing folder is
// created only when it is ownDataFolder (PrepareFolderFor). A file that
// cannot be read, is not the size of a library, or a library that cannot
// be created, is an error; such a file is left as it is.
Result<MacroLibrary> CheckPCMacro(const std::filesystem::path& file, const std::filesystem::path& ownDataFolder);

// RefreshPCMacro: writes all 100 records, atomically.
Status RefreshPCMacro(const MacroLibrary& library, const std::filesystem::path& file);

}  // namespace veltrax
