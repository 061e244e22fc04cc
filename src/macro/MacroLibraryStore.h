#pragma once
// The PC macro library as the macro page and veltraxctl use it: the records
// in memory and their file, rewritten after every change, and the library
// operations with the messages they show.

#include <filesystem>
#include <span>
#include <string>
#include <string_view>

#include "base/Error.h"
#include "base/TextTable.h"
#include "macro/MacroLibrary.h"

namespace veltrax {

// What the name dialog was opened for.
enum class PendingName { NewMacro, Rename };

struct LibraryOutcome {
  bool changed = false;  // the library changed (and was saved unless saveError says otherwise)
  int line = -1;         // the line to select afterwards, -1 for none
  std::string message;   // for the message dialog; empty when there is nothing to say
};

class MacroLibraryStore {
 public:
  // CheckPCMacro: loads the library file or creates it (a missing folder
  // only when it is ownDataFolder). The window calls this once at start-up
  // with MacroLibraryPath(Path option, data folder).
  static Result<MacroLibraryStore> Open(std::filesystem::path file, const std::filesystem::path& ownDataFolder);
  MacroLibraryStore(MacroLibrary library, std::filesystem::path file)
      : library_(std::move(library)), file_(std::move(file)) {}

  const MacroLibrary& Library() const { return library_; }
  MacroLibrary& Library() { return library_; }
  const std::filesystem::path& File() const { return file_; }

  // RefreshPCMacro. A failure keeps its cause for the message.
  Status Save() const;

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
  // appended when it lacks it; the result is the file written.
  Result<std::filesystem::path> ExportOne(int line, const std::filesystem::path& chosen) const;
  Result<std::filesystem::path> ExportAll(const std::filesystem::path& chosen) const;

 private:
  LibraryOutcome Saved(int line) const;
  LibraryOutcome Refused(LibraryRefusal why, const TextTable& texts) const;

  MacroLibrary library_;
  std::filesystem::path file_;
};

// The file Export One and Export All write for a chosen name.
std::filesystem::path ExportTarget(const std::filesystem::path& chosen);

// The message for a library that could not be saved.
std::string SaveFailureMessage(const Error& error);

}  // namespace veltrax
