#pragma once
// The window's command line: --simulate[=STATE_FILE] attaches the simulated
// mouse, --sim-fault injects its faults.

#include <string>
#include <vector>

#include "base/Error.h"

namespace veltrax::app {

struct AppOptions {
  bool simulate = false;
  std::string stateFile;  // empty: the simulated mouse keeps no state
  std::vector<std::string> faults;
};

// A usage error carries the message to print; --help is reported as
// ErrorKind::NotFound with the help text as context.
Result<AppOptions> ParseAppOptions(int argc, char** argv);

}  // namespace veltrax::app
