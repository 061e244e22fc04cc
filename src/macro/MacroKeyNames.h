#pragma once
// What the macro code needs of the keyboard key catalogue: names and HID
// usages of the keys the recorder sees, and names of stored usages.

#include <cstdint>
#include <string>

namespace veltrax {

class MacroKeyNames {
 public:
  virtual ~MacroKeyNames() = default;
  virtual std::string NameOfVirtualKey(int virtualKey) const = 0;
  virtual uint8_t UsageOfVirtualKey(int virtualKey) const = 0;
  // Empty for a usage the catalogue does not give.
  virtual std::string NameOfUsage(uint8_t usage) const = 0;
};

}  // namespace veltrax
