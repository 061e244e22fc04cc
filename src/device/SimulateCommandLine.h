#pragma once
// The simulated mouse's options on a CLI11 command line.

#include <CLI/CLI.hpp>
#include <string>

#include "device/DeviceBackend.h"
#include "sim/SimFaults.h"

namespace veltrax {

inline void AddSimulateOptions(CLI::App& app, SimulateOptions& options) {
  app.footer(std::string("Simulated mouse faults (--sim-fault, repeatable):\n") + SimFaultHelp());
  // Its value is optional, so it is given as --simulate=STATE_FILE only: a
  // word after a bare --simulate is the command, as with getopt.
  app.add_flag("--simulate{}", options.stateFile,
               "Use the simulated mouse instead of real hardware; its memory is kept in STATE_FILE if given")
      ->type_name("STATE_FILE");
  app.add_option("--sim-fault", options.faults, "Inject a fault into the simulated mouse: KIND[:ARG]")
      ->type_name("KIND[:ARG]")
      ->take_all();
}

// After parsing: whether --simulate was given, with or without a file.
inline void FinishSimulateOptions(const CLI::App& app, SimulateOptions& options) {
  options.simulate = app.count("--simulate") > 0;
}

}  // namespace veltrax
