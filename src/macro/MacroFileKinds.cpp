#include "macro/MacroFileKinds.h"

#include <algorithm>

#include "image/ImageLayout.h"
#include "macro/BaseMacroTable.h"
#include "macro/MacroLibrary.h"
#include "macro/MacroRecord.h"

namespace veltrax {
namespace {

// The name units up to the first zero unit are text (no control
// characters, no unpaired surrogates), and every byte after them is zero.
bool IsWellFormedName(const MacroNameField& field) {
  int end = 0;
  bool pendingHigh = false;
  for (; end < kMacroNameSize; end += 2) {
    const auto unit = static_cast<char16_t>((field[end] << 8) | field[end + 1]);
    if (unit == 0) break;
    const bool high = unit >= 0xD800 && unit <= 0xDBFF;
    const bool low = unit >= 0xDC00 && unit <= 0xDFFF;
    if (unit < 0x20 || (low && !pendingHigh) || (pendingHigh && !low)) return false;
    pendingHigh = high;
  }
  return end > 0 && !pendingHigh && std::all_of(field.begin() + end, field.end(), [](uint8_t b) { return b == 0; });
}

bool HasUsableEvents(const MacroContent& content) { return ShowsEmpty(content) || IsValidMacroContent(content); }

// Why a record is no macro, or empty when it is one.
std::string RecordFault(const MacroRecord& record) {
  if (!IsWellFormedName(record.name)) return "holds no macro name";
  if (!HasUsableEvents(record.content)) return "holds events that fail their checksum";
  return {};
}

Status WrongSize(std::size_t size, const char* kind, std::size_t expected) {
  std::string text = std::string("not ") + kind + ": it holds " + std::to_string(size) + " bytes";
  const std::string other = KindOfSize(size);
  if (!other.empty()) text += ", as " + other + " does";
  text += "; " + std::string(kind) + " holds " + std::to_string(expected);
  return Error{ErrorKind::BadFormat, text};
}

// Checks record i of a file made of records, for those whose name says
// they are present.
template <class IsPresent>
Status CheckRecords(std::span<const uint8_t> bytes, const char* kind, const char* unit, int firstNumber,
                    IsPresent present) {
  for (std::size_t i = 0; i * kMacroRecordSize < bytes.size(); ++i) {
    const MacroRecord record = MacroRecord::FromBytes(bytes.subspan(i * kMacroRecordSize, kMacroRecordSize));
    if (!present(record.name)) continue;
    if (const std::string fault = RecordFault(record); !fault.empty()) {
      return Error{ErrorKind::BadFormat, std::string("not ") + kind + ": " + unit + " " +
                                             std::to_string(i + firstNumber) + " " + fault};
    }
  }
  return Success();
}

}  // namespace

std::string KindOfSize(std::size_t size) {
  switch (size) {
    case kImageSize: return "a profile";
    case kMacroRecordSize: return "a macro file";
    case kLibraryFileSize: return "a macro library";
    case kMacroAreaBytes: return "a macro area file";
    default: return {};
  }
}

Status CheckMacroFile(std::span<const uint8_t> bytes) {
  if (bytes.size() != kMacroRecordSize) return WrongSize(bytes.size(), "a macro file", kMacroRecordSize);
  const std::string fault = RecordFault(MacroRecord::FromBytes(bytes));
  if (!fault.empty()) return Error{ErrorKind::BadFormat, "not a macro file: it " + fault};
  return Success();
}

Status CheckLibraryFile(std::span<const uint8_t> bytes) {
  if (bytes.size() != kLibraryFileSize) return WrongSize(bytes.size(), "a macro library", kLibraryFileSize);
  return CheckRecords(bytes, "a macro library", "record", 0, [](const MacroNameField& n) { return IsRecordPresent(n); });
}

Status CheckMacroAreaFile(std::span<const uint8_t> bytes) {
  if (bytes.size() != kMacroAreaBytes) return WrongSize(bytes.size(), "a macro area file", kMacroAreaBytes);
  return CheckRecords(bytes, "a macro area file", "slot", 1, [](const MacroNameField& n) { return IsBaseSlotPresent(n); });
}

Status CheckLibrarySize(std::size_t size) {
  if (size == 0 || size == kLibraryFileSize) return Success();
  return WrongSize(size, "a macro library", kLibraryFileSize);
}

}  // namespace veltrax
