#include "macro/MacroRecord.h"

#include <algorithm>

namespace veltrax {

MacroRecord MacroRecord::FromBytes(std::span<const uint8_t> bytes) {
  MacroRecord record;
  const size_t nameBytes = std::min<size_t>(bytes.size(), kMacroNameSize);
  std::copy_n(bytes.begin(), nameBytes, record.name.begin());
  if (bytes.size() > kMacroNameSize) {
    const size_t contentBytes = std::min<size_t>(bytes.size() - kMacroNameSize, kMacroContentSize);
    std::copy_n(bytes.begin() + kMacroNameSize, contentBytes, record.content.begin());
  }
  return record;
}

void MacroRecord::WriteTo(std::span<uint8_t, kMacroRecordSize> out) const {
  std::copy(name.begin(), name.end(), out.begin());
  std::copy(content.begin(), content.end(), out.begin() + kMacroNameSize);
}

uint8_t MacroChecksum(std::span<const uint8_t> bytes) {
  unsigned sum = 0;
  for (uint8_t b : bytes) sum += b;
  return static_cast<uint8_t>((sum & 0xFF) ^ 0x5A);
}

bool IsValidMacroContent(const MacroContent& content) {
  const int length = content[1];
  if (length < 1 || length > kMaxMacroEventBytes + 1) return false;
  return MacroChecksum(std::span(content).subspan(1, length)) == content[length + 1];
}

bool IsRecordPresent(const MacroNameField& name) { return name[0] != 0 || name[1] != 0; }

bool IsBaseSlotPresent(const MacroNameField& name) {
  return IsRecordPresent(name) && !(name[0] == 0xFF && name[1] == 0xFF);
}

}  // namespace veltrax
