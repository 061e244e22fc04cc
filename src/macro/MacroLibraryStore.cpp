#include "macro/MacroLibraryStore.h"

#include "base/BinFileName.h"
#include "base/FileIo.h"
#include "base/FileLock.h"
#include "macro/MacroFileKinds.h"
#include "macro/MacroLibraryFile.h"

namespace veltrax {
namespace {

constexpr std::string_view kAlreadyExistsId = "Str106";

// An export replaces an existing file only when it is of the kind written:
// a profile chosen by mistake is not overwritten with a macro.
Status MayReplace(const std::filesystem::path& target, Status (*check)(std::span<const uint8_t>)) {
  auto bytes = ReadWholeFile(target, kLibraryFileSize);
  if (!bytes) {
    if (bytes.error().kind == ErrorKind::NotFound) return Success();
    return Error{bytes.error().kind, bytes.error().context + "; it is left as it is"};
  }
  if (bytes.value().empty()) return Success();
  if (Status kind = check(bytes.value()); !kind) {
    return Error{ErrorKind::BadArgument,
                 target.string() + " exists and is " + kind.error().context + "; it is left as it is"};
  }
  return Success();
}

Result<std::filesystem::path> Export(const std::filesystem::path& chosen, Status (*check)(std::span<const uint8_t>),
                                     std::span<const uint8_t> bytes) {
  const auto path = ExportTarget(chosen);
  if (Status replace = MayReplace(path, check); !replace) return replace.error();
  Status written = WriteFileAtomically(path, bytes);
  if (!written) return written.error();
  return path;
}

}  // namespace

std::filesystem::path ExportTarget(const std::filesystem::path& chosen) { return WithBinExtension(chosen); }

Result<MacroLibraryStore> MacroLibraryStore::Open(std::filesystem::path file,
                                                  const std::filesystem::path& ownDataFolder) {
  auto library = CheckPCMacro(file, ownDataFolder);
  if (!library) return library.error();
  return MacroLibraryStore(std::move(library).value(), std::move(file));
}

Result<MacroLibraryStore> MacroLibraryStore::OpenLocked(std::filesystem::path file,
                                                        const std::filesystem::path& ownDataFolder) {
  auto lock = FileLock::Acquire(file);
  if (!lock && lock.error().kind == ErrorKind::NotFound) {
    if (auto created = CheckPCMacro(file, ownDataFolder); !created) return created.error();
    lock = FileLock::Acquire(file);
  }
  if (!lock) return lock.error();
  auto store = Open(std::move(file), ownDataFolder);  // read under the lock
  if (!store) return store.error();
  store.value().lock_.emplace(std::move(lock).value());
  return store;
}

Status MacroLibraryStore::ReloadIfChanged() {
  auto bytes = ReadWholeFile(file_, kLibraryFileSize);
  if (!bytes) return bytes.error().kind == ErrorKind::NotFound ? Success() : Status(bytes.error());
  if (Status size = CheckLibrarySize(bytes.value().size()); !size) {
    return Error{ErrorKind::BadFormat, file_.string() + " is no macro library now: " + size.error().context};
  }
  const MacroLibrary now = MacroLibrary::FromBytes(bytes.value());
  std::vector<uint8_t> nowBytes = now.ToBytes();
  if (nowBytes == onDisk_) return Success();
  library_ = now;
  onDisk_ = std::move(nowBytes);
  return Error{ErrorKind::ChangedOnDisk, file_.string() + " was changed by another program"};
}

Status MacroLibraryStore::Save() {
  if (file_.empty()) return Error{ErrorKind::NotFound, "the macro library has no file"};
  std::optional<FileLock> brief;
  if (!lock_) {
    // Held for the check and the write only, which then wait for a program
    // that holds it and make one step for it.
    auto taken = FileLock::Acquire(file_);
    if (!taken && taken.error().kind != ErrorKind::NotFound) return taken.error();
    if (taken) brief.emplace(std::move(taken).value());
    if (Status same = ReloadIfChanged(); !same) return same;
  }
  Status written = RefreshPCMacro(library_, file_);
  if (written) onDisk_ = library_.ToBytes();
  return written;
}

std::string SaveFailureMessage(const Error& error) {
  if (error.kind == ErrorKind::ChangedOnDisk) {
    return "The macro library changed on disk and was reloaded; the last change was not saved.";
  }
  return "The macro library could not be saved: " + error.context;
}

LibraryOutcome MacroLibraryStore::Saved(int line) {
  LibraryOutcome outcome{true, line, {}};
  if (Status saved = Save(); !saved) {
    outcome.message = SaveFailureMessage(saved.error());
    if (saved.error().kind == ErrorKind::ChangedOnDisk) outcome.line = -1;
  }
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
  return Export(chosen, CheckMacroFile, library_.ExportOne(line));
}

Result<std::filesystem::path> MacroLibraryStore::ExportAll(const std::filesystem::path& chosen) const {
  return Export(chosen, CheckLibraryFile, library_.ToBytes());
}

}  // namespace veltrax
