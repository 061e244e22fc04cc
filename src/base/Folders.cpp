#include "base/Folders.h"

#include <system_error>

namespace veltrax {

Status PrepareFolderFor(const std::filesystem::path& file, const std::filesystem::path& ownDataFolder) {
  const std::filesystem::path folder = file.parent_path();
  std::error_code ec;
  if (folder.empty() || std::filesystem::is_directory(folder, ec)) return Success();
  if (std::filesystem::exists(folder, ec)) {
    return Error{ErrorKind::BadArgument, folder.string() + " is not a folder"};
  }
  if (folder.lexically_normal() != ownDataFolder.lexically_normal()) {
    return Error{ErrorKind::NotFound, "the folder " + folder.string() + " does not exist"};
  }
  std::filesystem::create_directories(folder, ec);
  if (ec) return Error{ErrorKind::Io, "cannot create the folder " + folder.string() + ": " + ec.message()};
  return Success();
}

}  // namespace veltrax
