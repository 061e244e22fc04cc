#include "macro/MacroName.h"

#include "base/Utf16Text.h"

namespace veltrax {

std::string NameToHexUnits(std::u16string_view name) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string hex;
  for (char16_t unit : name) {
    if (unit == 0) break;
    for (int shift = 12; shift >= 0; shift -= 4) hex += kDigits[(unit >> shift) & 0xF];
  }
  return hex;
}

std::u16string HexUnitsToName(const MacroNameField& field) {
  std::u16string name;
  for (int i = 0; i < kMacroNameSize; i += 2) {
    const auto unit = static_cast<char16_t>((field[i] << 8) | field[i + 1]);
    if (unit == 0) break;
    name += unit;
  }
  return name;
}

Result<MacroNameField> MacroNameStrToUnicode(std::string_view name) {
  auto units = Utf8ToUtf16(name);
  if (!units) return Error{ErrorKind::BadArgument, "the macro name is not valid UTF-8 text"};
  if (units->empty() || units->find(u'\0') != std::u16string::npos) {
    return Error{ErrorKind::BadArgument, "the macro name is empty"};
  }
  if (units->size() > kMaxMacroNameUnits) {
    return Error{ErrorKind::BadArgument, "the macro name is longer than 16 characters"};
  }
  MacroNameField field{};
  const std::string hex = NameToHexUnits(*units);
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    field[i / 2] = static_cast<uint8_t>(std::stoi(hex.substr(i, 2), nullptr, 16));
  }
  return field;
}

std::string MacroNameText(const MacroNameField& field) { return Utf16ToUtf8(HexUnitsToName(field)); }

}  // namespace veltrax
