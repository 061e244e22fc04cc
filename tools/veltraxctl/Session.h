#pragma once
// What every veltraxctl command stands on: the HID layer (real or simulated),
// the sleeper, the device link, and opening the mouse with a clear reason
// when that fails.

#include <filesystem>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "device/DeviceLink.h"
#include "device/DeviceBackend.h"

namespace veltrax::ctl {

struct GlobalOptions {
  SimulateOptions device;
  bool trace = false;  // hex dump of every feature request on stderr
};

class Session {
 public:
  // Fails on a bad --sim-fault or an unreadable state file.
  static Result<std::unique_ptr<Session>> Create(const GlobalOptions& options);

  HidTransport& Transport() { return backend_->Transport(); }
  DeviceLink& Link() { return backend_->Link(); }
  SimulatedMouse* Simulated() { return backend_->Simulated(); }

  // Opens the served mouse; on failure says why on err.
  bool OpenMouse(std::ostream& err);

 private:
  Session() = default;

  std::unique_ptr<DeviceBackend> backend_;
};

// Why the last OpenDevice found no mouse to use, for the user.
std::string WhyNoMouse(const DeviceLink& link);

// Prints "0x04D9"-style hexadecimal numbers.
std::string Hex(unsigned value, int digits);

}  // namespace veltrax::ctl
