#pragma once
// The window's command line: --simulate[=STATE_FILE] attaches the simulated
// mouse, --sim-fault injects its faults, --engineer shows the Engineer page
// buttons; --help and --version; "veltrax completion" prints the bash
// completion.

#include <iosfwd>
#include <optional>

#include "device/DeviceBackend.h"

namespace veltrax::gui {

struct AppOptions : SimulateOptions {
  bool engineer = false;
};

// The options to run with; or, when the program is to end at once, its exit
// status after what it printed: 0 after --help, --version or completion
// (on out), 2
// after a usage error (on err).
struct ParsedOptions {
  std::optional<AppOptions> options;
  int exitStatus = 0;
};

ParsedOptions ParseAppOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace veltrax::gui
