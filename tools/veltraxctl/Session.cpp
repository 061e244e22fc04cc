#include "Session.h"

#include <cstdio>
#include <iostream>

#include "device/HidapiTransport.h"
#include "device/ServedModel.h"
#include "image/DefaultImages.h"

namespace veltrax::ctl {

std::string Hex(unsigned value, int digits) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%0*X", digits, value);
  return text;
}

Result<std::unique_ptr<Session>> Session::Create(const GlobalOptions& options) {
  std::unique_ptr<Session> session(new Session());
  if (options.simulate) {
    SimOptions sim;
    sim.initialMemory = DefaultImage(1);  // a new simulated mouse leaves the factory
    for (const std::string& fault : options.faults) {
      Status parsed = ParseSimFault(fault, sim.faults);
      if (!parsed) return parsed.error();
    }
    if (!options.stateFile.empty()) sim.stateFile = options.stateFile;
    auto mouse = SimulatedMouse::Create(sim);
    if (!mouse) return mouse.error();
    session->simulated_ = mouse.value().get();
    session->transport_ = std::move(mouse).value();
  } else {
    if (!options.faults.empty()) return Error{ErrorKind::BadArgument, "--sim-fault needs --simulate"};
    session->transport_ = std::make_unique<HidapiTransport>();
  }
  session->link_ = std::make_unique<DeviceLink>(*session->transport_, session->sleeper_);
  if (options.trace) session->link_->SetTrace([](const std::string& line) { std::cerr << line << "\n"; });
  return session;
}

bool Session::OpenMouse(std::ostream& err) {
  uint32_t version = kRequiredRelease;
  if (link_->OpenDevice(kServedVendorId, kServedProductId, version)) return true;
  if (link_->OpenProblems().empty()) {
    err << "veltraxctl: no VELTRAX mouse found (USB id " << Hex(kServedVendorId, 4).substr(2) << ":"
        << Hex(kServedProductId, 4).substr(2) << "); plug it in, or try --simulate\n";
    return false;
  }
  for (const OpenProblem& problem : link_->OpenProblems()) {
    err << "veltraxctl: the mouse at " << problem.path << " cannot be opened: " << problem.reason << "\n";
  }
  err << "veltraxctl: install the udev rule (see README, \"Access without root\") and plug the mouse in again\n";
  return false;
}

}  // namespace veltrax::ctl
