#include "device/DeviceBackend.h"

#include "device/HidapiTransport.h"

namespace veltrax {

Result<std::unique_ptr<DeviceBackend>> DeviceBackend::Create(const SimulateOptions& options,
                                                             const MemoryImage& factoryMemory) {
  std::unique_ptr<DeviceBackend> backend(new DeviceBackend());
  if (options.simulate) {
    SimOptions sim;
    sim.initialMemory = factoryMemory;
    for (const std::string& fault : options.faults) {
      Status parsed = ParseSimFault(fault, sim.faults);
      if (!parsed) return parsed.error();
    }
    if (!options.stateFile.empty()) sim.stateFile = options.stateFile;
    auto mouse = SimulatedMouse::Create(sim);
    if (!mouse) return mouse.error();
    backend->simulated_ = mouse.value().get();
    backend->transport_ = std::move(mouse).value();
  } else {
    if (!options.faults.empty()) return Error{ErrorKind::BadArgument, "--sim-fault needs --simulate"};
    backend->transport_ = std::make_unique<HidapiTransport>();
  }
  backend->link_ = std::make_unique<DeviceLink>(*backend->transport_, backend->sleeper_);
  return backend;
}

}  // namespace veltrax
