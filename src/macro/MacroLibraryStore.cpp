#include "macro/MacroLibraryStore.h"

#include "base/BinFileName.h"
#include "base/FileIo.h"
#include "macro/MacroFileKinds.h"
#include "macro/MacroLibraryFile.h"

namespace veltrax {
namespace {

constexpr std::string_view kAlreadyExistsId = "Str106";

}  // namespace

std::filesystem::path ExportTarget(const std::filesystem::path& chosen) { return WithBinExtension(chosen); }

Result<MacroLibraryStore> MacroLibraryStore::Open(std::filesystem::path file,
                                                  const std::filesystem::path& ownDataFolder) {
  auto library = CheckPCMacro(file, ownDataFolder);
  if (!library) return library.error();
  return MacroLibraryStore(std::move(library).value(), std::move(file));
}

Status MacroLibraryStore::Save() const { return RefreshPCMacro(library_, file_); }

std::string SaveFailureMessage(const Error& error) {
  return "The macro library could not be saved: " + error.context;
}

LibraryOutcome MacroLibraryStore::Saved(int line) const {
  LibraryOutcome outcome{true, line, {}};
  if (Status saved = Save(); !saved) outcome.message = SaveFailureMessage(saved.error());
  return outcome;
}

LibraryOutcome MacroLibraryStore::Refused(LibraryRefusal why, const TextTable& texts) const {
  LibraryOutcome outcome;
  switch (why) {
    case LibraryRefusal::DuplicateName: outcome.message = texts.Text(kAlreadyExistsId); break;
    case LibraryRefusal::BadName: outcome.message = "A macro name is 1 to 16 characters of text"; break;
    case LibraryRefusal::Unnamed: outcome.message = "The file holds no macro: its name is empty"; break;
    case LibraryRefusal::Full:
    case LibraryRefusal::NoSuchRecord:
    case LibraryRefusal::None: break;
  }
  return outcome;
}

LibraryOutcome MacroLibraryStore::ApplyMacroName(PendingName operation, int line, std::string_view name,
                                                 const TextTable& texts) {
  if (name.empty()) return {};
  const LibraryRefusal why =
      operation == PendingName::NewMacro ? library_.AddNew(name, &line) : library_.Rename(line, name);
  return why == LibraryRefusal::None ? Saved(line) : Refused(why, texts);
}

LibraryOutcome MacroLibraryStore::Delete(int line, const TextTable& texts) {
  const LibraryRefusal why = library_.Delete(line);
  if (why != LibraryRefusal::None) return Refused(why, texts);
  return Saved(NextSelectionAfterDelete(line, library_.Count()));
}

LibraryOutcome MacroLibraryStore::ImportOne(std::span<const uint8_t> file, const TextTable& texts) {
  if (Status kind = CheckMacroFile(file); !kind) return {false, -1, kind.error().context};
  int line = -1;
  const LibraryRefusal why = library_.ImportOne(file, &line);
  return why == LibraryRefusal::None ? Saved(line) : Refused(why, texts);
}

LibraryOutcome MacroLibraryStore::ImportAll(std::span<const uint8_t> file) {
  if (Status kind = CheckLibraryFile(file); !kind) return {false, -1, kind.error().context};
  library_.ImportAll(file);
  return Saved(-1);
}

Result<std::filesystem::path> MacroLibraryStore::ExportOne(int line, const std::filesystem::path& chosen) const {
  if (line < 0 || line >= library_.Count()) {
    return Error{ErrorKind::BadArgument, "there is no macro " + std::to_string(line)};
  }
  const auto path = ExportTarget(chosen);
  Status written = WriteFileAtomically(path, library_.ExportOne(line));
  if (!written) return written.error();
  return path;
}

Result<std::filesystem::path> MacroLibraryStore::ExportAll(const std::filesystem::path& chosen) const {
  const auto path = ExportTarget(chosen);
  Status written = WriteFileAtomically(path, library_.ToBytes());
  if (!written) return written.error();
  return path;
}

}  // namespace veltrax
