#include "macro/MacroLibraryFile.h"

#include "base/FileIo.h"
#include "base/Folders.h"
#include "macro/MacroFileKinds.h"

namespace veltrax {

std::filesystem::path DefaultMacroFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && *xdgDataHome) return std::filesystem::path(xdgDataHome) / "veltrax";
  return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "veltrax";
}

std::filesystem::path MacroLibraryPath(std::string_view pathOption, const std::filesystem::path& dataFolder) {
  if (!pathOption.empty()) return std::filesystem::path(std::string(pathOption) + kMacroLibraryFileName);
  return dataFolder / kMacroLibraryFileName;
}

Result<MacroLibrary> CheckPCMacro(const std::filesystem::path& file, const std::filesystem::path& ownDataFolder) {
  auto bytes = ReadWholeFile(file, kLibraryFileSize);
  if (bytes) {
    if (Status size = CheckLibrarySize(bytes.value().size()); !size) {
      return Error{ErrorKind::BadFormat, file.string() + ": " + size.error().context};
    }
    if (!bytes.value().empty()) return MacroLibrary::FromBytes(bytes.value());
  } else if (bytes.error().kind != ErrorKind::NotFound) {
    return bytes.error();
  } else if (Status folder = PrepareFolderFor(file, ownDataFolder); !folder) {
    return Error{folder.error().kind, "cannot create the macro library " + file.string() + ": " + folder.error().context};
  }

  // Another program may create it at the same moment: what is there then
  // is kept and read.
  MacroLibrary empty;
  const Existing existing = bytes ? Existing::Replace : Existing::Keep;
  Status created = WriteFileAtomically(file, empty.ToBytes(), existing);
  if (!created && created.error().kind == ErrorKind::AlreadyExists) return CheckPCMacro(file, ownDataFolder);
  if (!created) return created.error();
  return empty;
}

Status RefreshPCMacro(const MacroLibrary& library, const std::filesystem::path& file) {
  return WriteFileAtomically(file, library.ToBytes());
}

}  // namespace veltrax
