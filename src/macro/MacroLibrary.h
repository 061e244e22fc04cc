#pragma once
// The PC macro library: 100 records, the present ones an unbroken run from
// record 0, the rest all zero. Its file and the whole-library macro file
// are the 100 records in order (25600 bytes).

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/Error.h"
#include "macro/MacroRecord.h"

namespace veltrax {

constexpr int kLibraryRecords = 100;
constexpr int kLibraryFileSize = kLibraryRecords * kMacroRecordSize;

// Why a library operation changed nothing.
enum class LibraryRefusal {
  None,
  DuplicateName,  // "This macro already exists" (Str106)
  Full,           // New at 100 macros, Import One at 99 or more: no message
  BadName,        // empty, not UTF-8 or longer than 16 characters
  Unnamed,        // a macro file whose name field is empty
  NoSuchRecord,
};

class MacroLibrary {
 public:
  // Record i from offset 256 * i; a shorter file fills the records it holds
  // whole, and a record it cuts stays empty. The present records are then
  // closed up from record 0 in their order, so that every record shown is
  // reachable.
  static MacroLibrary FromBytes(std::span<const uint8_t> bytes);
  std::vector<uint8_t> ToBytes() const;

  // Number of present records (lines of the library list).
  int Count() const;
  const MacroRecord& Record(int index) const { return records_.at(index); }
  MacroRecord& Record(int index) { return records_.at(index); }
  // The decoded names of the present records, in order.
  std::vector<std::string> Names() const;
  // New buttons are disabled at 100 macros.
  bool CanAddNew() const { return Count() < kLibraryRecords; }

  // New macro (ApplyMacroName for a new macro): appends an empty record.
  LibraryRefusal AddNew(std::string_view name, int* index = nullptr);
  // ApplyMacroName for a rename: equal to any listed name, its own included,
  // is refused.
  LibraryRefusal Rename(int index, std::string_view name);
  // Moves the later records down; the selection afterwards is
  // NextSelectionAfterDelete.
  LibraryRefusal Delete(int index);
  // Import One: a 256-byte record appended as the last line, refused at 99
  // or more lines or when its name field equals one present.
  LibraryRefusal ImportOne(std::span<const uint8_t> file, int* index = nullptr);
  // Import All: the records a file holds whole replace those of the
  // library, a record it cuts is cleared, the others keep their content.
  void ImportAll(std::span<const uint8_t> file);
  std::array<uint8_t, kMacroRecordSize> ExportOne(int index) const;

 private:
  void CloseUp();
  bool HasName(std::string_view name) const;

  std::array<MacroRecord, kLibraryRecords> records_{};
};

// Line selected after deleting line i: i - 1, or 0 for line 0; none (-1)
// when no line remains.
int NextSelectionAfterDelete(int deletedIndex, int remaining);

}  // namespace veltrax
