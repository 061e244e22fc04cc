#pragma once
// The HID layer a program runs on, the system's or the simulated mouse, with
// the sleeper and the one device link over it.

#include <memory>
#include <string>
#include <vector>

#include "base/Error.h"
#include "device/DeviceLink.h"
#include "device/Sleeper.h"
#include "sim/SimulatedMouse.h"

namespace veltrax {

// --simulate[=STATE_FILE] and --sim-fault=KIND[:ARG] of the programs.
struct SimulateOptions {
  bool simulate = false;
  std::string stateFile;  // empty: the simulated mouse keeps no state
  std::vector<std::string> faults;
};

class DeviceBackend {
 public:
  // factoryMemory is the memory of a simulated mouse without a state file.
  // Fails on a bad fault, faults without --simulate, or an unreadable state file.
  static Result<std::unique_ptr<DeviceBackend>> Create(const SimulateOptions& options,
                                                       const MemoryImage& factoryMemory);

  HidTransport& Transport() { return *transport_; }
  DeviceLink& Link() { return *link_; }
  Sleeper& Pauses() { return sleeper_; }
  SimulatedMouse* Simulated() { return simulated_; }

 private:
  DeviceBackend() = default;

  std::unique_ptr<HidTransport> transport_;
  SimulatedMouse* simulated_ = nullptr;  // owned by transport_ when simulating
  RealSleeper sleeper_;
  std::unique_ptr<DeviceLink> link_;
};

}  // namespace veltrax
