#include "macro/MacroLibraryFile.h"

#include <system_error>

#include "base/FileIo.h"

namespace veltrax {

std::filesystem::path DefaultMacroFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome && *xdgDataHome) return std::filesystem::path(xdgDataHome) / "veltrax";
  return std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "veltrax";
}

std::filesystem::path MacroLibraryPath(std::string_view pathOption, const std::filesystem::path& dataFolder) {
  if (!pathOption.empty()) return std::filesystem::path(std::string(pathOption) + kMacroLibraryFileName);
  return dataFolder / kMacroLibraryFileName;
}

Result<MacroLibrary> CheckPCMacro(const std::filesystem::path& file) {
  auto bytes = ReadWholeFile(file);
  if (bytes) return MacroLibrary::FromBytes(bytes.value());
  if (bytes.error().kind != ErrorKind::NotFound) return bytes.error();

  MacroLibrary empty;
  const std::filesystem::path folder = file.parent_path();
  std::error_code ec;
  if (!folder.empty()) std::filesystem::create_directories(folder, ec);
  if (ec) return Error{ErrorKind::Io, "cannot create the folder " + folder.string() + ": " + ec.message()};
  Status created = RefreshPCMacro(empty, file);
  if (!created) return created.error();
  return empty;
}

Status RefreshPCMacro(const MacroLibrary& library, const std::filesystem::path& file) {
  return WriteFileAtomically(file, library.ToBytes());
}

}  // namespace veltrax
