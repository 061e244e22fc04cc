#include "macro/MacroLibrary.h"

#include <algorithm>

#include "macro/MacroName.h"

namespace veltrax {

MacroLibrary MacroLibrary::FromBytes(std::span<const uint8_t> bytes) {
  MacroLibrary library;
  library.ImportAll(bytes);
  return library;
}

std::vector<uint8_t> MacroLibrary::ToBytes() const {
  std::vector<uint8_t> bytes(kLibraryFileSize);
  for (int i = 0; i < kLibraryRecords; ++i) {
    records_[i].WriteTo(std::span(bytes).subspan(i * kMacroRecordSize).first<kMacroRecordSize>());
  }
  return bytes;
}

void MacroLibrary::ImportAll(std::span<const uint8_t> file) {
  for (int i = 0; i < kLibraryRecords; ++i) {
    const size_t offset = static_cast<size_t>(i) * kMacroRecordSize;
    if (offset >= file.size()) break;
    // A record the file does not hold whole is cleared: half of it new and
    // half old (or zero) would be a macro nobody made.
    if (file.size() - offset < kMacroRecordSize) {
      records_[i] = MacroRecord{};
      break;
    }
    records_[i] = MacroRecord::FromBytes(file.subspan(offset, kMacroRecordSize));
  }
  CloseUp();
}

void MacroLibrary::CloseUp() {
  std::stable_partition(records_.begin(), records_.end(),
                        [](const MacroRecord& r) { return IsRecordPresent(r.name); });
  for (MacroRecord& r : records_) {
    if (!IsRecordPresent(r.name)) r = MacroRecord{};
  }
}

int MacroLibrary::Count() const {
  int n = 0;
  while (n < kLibraryRecords && IsRecordPresent(records_[n].name)) ++n;
  return n;
}

std::vector<std::string> MacroLibrary::Names() const {
  std::vector<std::string> names;
  for (int i = 0; i < Count(); ++i) names.push_back(MacroNameText(records_[i].name));
  return names;
}

bool MacroLibrary::HasName(std::string_view name) const {
  const auto names = Names();
  return std::find(names.begin(), names.end(), name) != names.end();
}

LibraryRefusal MacroLibrary::AddNew(std::string_view name, int* index) {
  const int count = Count();
  if (count >= kLibraryRecords) return LibraryRefusal::Full;
  auto field = MacroNameStrToUnicode(name);
  if (!field) return LibraryRefusal::BadName;
  if (HasName(name)) return LibraryRefusal::DuplicateName;
  records_[count] = MacroRecord{field.value(), MacroContent{}};
  if (index) *index = count;
  return LibraryRefusal::None;
}

LibraryRefusal MacroLibrary::Rename(int index, std::string_view name) {
  if (index < 0 || index >= Count()) return LibraryRefusal::NoSuchRecord;
  auto field = MacroNameStrToUnicode(name);
  if (!field) return LibraryRefusal::BadName;
  if (HasName(name)) return LibraryRefusal::DuplicateName;
  records_[index].name = field.value();
  return LibraryRefusal::None;
}

LibraryRefusal MacroLibrary::Delete(int index) {
  if (index < 0 || index >= Count()) return LibraryRefusal::NoSuchRecord;
  std::move(records_.begin() + index + 1, records_.end(), records_.begin() + index);
  records_.back() = MacroRecord{};
  return LibraryRefusal::None;
}

LibraryRefusal MacroLibrary::ImportOne(std::span<const uint8_t> file, int* index) {
  const int count = Count();
  if (count >= kLibraryRecords - 1) return LibraryRefusal::Full;
  const MacroRecord record = MacroRecord::FromBytes(file.first(std::min<size_t>(file.size(), kMacroRecordSize)));
  if (!IsRecordPresent(record.name)) return LibraryRefusal::Unnamed;
  for (int i = 0; i < count; ++i) {
    if (records_[i].name == record.name) return LibraryRefusal::DuplicateName;
  }
  // Names that differ only after their end would list twice.
  if (HasName(MacroNameText(record.name))) return LibraryRefusal::DuplicateName;
  records_[count] = record;
  if (index) *index = count;
  return LibraryRefusal::None;
}

std::array<uint8_t, kMacroRecordSize> MacroLibrary::ExportOne(int index) const {
  std::array<uint8_t, kMacroRecordSize> bytes{};
  records_.at(index).WriteTo(bytes);
  return bytes;
}

int NextSelectionAfterDelete(int deletedIndex, int remaining) {
  if (remaining <= 0) return -1;
  return std::max(0, deletedIndex - 1);
}

}  // namespace veltrax
