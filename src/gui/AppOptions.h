#pragma once
// The window's command line: --simulate[=STATE_FILE] attaches the simulated
// mouse, --sim-fault injects its faults.

#include "base/Error.h"
#include "device/DeviceBackend.h"

namespace veltrax::gui {

using AppOptions = SimulateOptions;

// A usage error carries the message to print; --help is reported as
// ErrorKind::NotFound with the help text as context.
Result<AppOptions> ParseAppOptions(int argc, char** argv);

}  // namespace veltrax::gui
