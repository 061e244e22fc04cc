#pragma once
// The PC macro library as the macro page and veltraxctl use it: the records
// in memory and their file, rewritten after every change, and the library
// operations with the messages they show.

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "base/FileLock.h"
#include "base/TextTable.h"
#include "macro/MacroLibrary.h"

namespace veltrax {

// What the name dialog was opened for.
enum class PendingName { NewMacro, Rename };

struct [[nodiscard]] LibraryOutcome {
  bool changed = false;  // the library changed (and was saved unless message says otherwise)
  int line = -1;         // the line to select afterwards, -1 for none (also after a reload)
  std::string message;   // for the message dialog; empty when there is nothing to say
};

class MacroLibraryStore {
 public:
  // CheckPCMacro: loads the library file or creates it (a missing folder
  // only when it is ownDataFolder). The window calls this once at start-up
  // with MacroLibraryPath(Path option, data folder).
  //
  // The window keeps the library for its whole run, so another program may
  // save the file meanwhile: before every save the store compares the file
  // with what it loaded or saved last, and when it changed it reloads it,
  // saves nothing and says so (ErrorKind::ChangedOnDisk).
  static Result<MacroLibraryStore> Open(std::filesystem::path file, const std::filesystem::path& ownDataFolder);
  // The same for a short-lived program (veltraxctl): the file's advisory
  // lock is taken before it is loaded and held until the store goes, so
  // that programs saving one after the other lose none of their changes.
  static Result<MacroLibraryStore> OpenLocked(std::filesystem::path file,
                                              const std::filesystem::path& ownDataFolder);
  MacroLibraryStore(MacroLibrary library, std::filesystem::path file)
      : library_(std::move(library)), file_(std::move(file)), onDisk_(library_.ToBytes()) {}

  const MacroLibrary& Library() const { return library_; }
  MacroLibrary& Library() { return library_; }
  const std::filesystem::path& File() const { return file_; }

  // RefreshPCMacro. A failure keeps its cause for the message.
  Status Save();

  // ApplyMacroName, after the name dialog's OK: a new macro, or line
  // `line` renamed; an empty name does nothing. A listed name gives "This
  // macro already exists".
  LibraryOutcome ApplyMacroName(PendingName operation, int line, std::string_view name, const TextTable& texts);
  LibraryOutcome Delete(int line, const TextTable& texts);
  // Import One and Import All take only a file of their kind
  // (CheckMacroFile, CheckLibraryFile); any other is refused with why.
  LibraryOutcome ImportOne(std::span<const uint8_t> file, const TextTable& texts);
  LibraryOutcome ImportAll(std::span<const uint8_t> file);
  // Export One and Export All write under the chosen name, with ".bin"
  // appended when it lacks it; the result is the file written. An existing
  // file is replaced only when it is of the kind written.
  Result<std::filesystem::path> ExportOne(int line, const std::filesystem::path& chosen) const;
  Result<std::filesystem::path> ExportAll(const std::filesystem::path& chosen) const;

 private:
  LibraryOutcome Saved(int line);
  LibraryOutcome Refused(LibraryRefusal why, const TextTable& texts) const;
  // Without the lock held: reloads the file when another program changed it.
  Status ReloadIfChanged();

  MacroLibrary library_;
  std::filesystem::path file_;
  std::vector<uint8_t> onDisk_;    // the library as last loaded or saved
  std::optional<FileLock> lock_;   // held for the store's life when opened locked
};

// The file Export One and Export All write for a chosen name.
std::filesystem::path ExportTarget(const std::filesystem::path& chosen);

// The message for a library that could not be saved, or was reloaded
// instead.
std::string SaveFailureMessage(const Error& error);

}  // namespace veltrax
