#pragma once
// Which folders the program may create. It makes only its own data folder;
// any other missing folder is most likely a typo in a path the user gave,
// and making it would hide the mistake, so it is reported instead.

#include <filesystem>

#include "base/Error.h"

namespace veltrax {

// Makes sure the folder that is to hold `file` exists: the program's own
// data folder (and its parents) is created when missing; any other missing
// folder is a NotFound error naming it.
Status PrepareFolderFor(const std::filesystem::path& file, const std::filesystem::path& ownDataFolder);

}  // namespace veltrax
