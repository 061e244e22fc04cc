#pragma once
// What the user is told when the mouse is plugged in but cannot be used,
// and the udev rule that gives the logged-in user access to it.

#include <string>
#include <vector>

#include "device/DeviceLink.h"

namespace veltrax {

// The rule for the served ids, as packaging/70-veltrax.rules holds it.
std::string UdevRule();

// One shell line that installs the rule and makes udev apply it to a mouse
// that is already plugged in.
std::string UdevRuleInstallCommand();

// One paragraph per kind of problem: the paths concerned and, for a
// permission problem, the command that mends it. Empty without problems.
std::string DescribeOpenProblems(const std::vector<OpenProblem>& problems);

// "No VELTRAX mouse found (USB id 04d9:fc55)."
std::string NoMouseFoundText();

}  // namespace veltrax
