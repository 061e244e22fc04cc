#pragma once
// veltraxctl commands that talk to the mouse. Each returns the exit status.

#include <iosfwd>
#include <string>

#include "Session.h"

namespace veltrax::ctl {

// The interface the program would use, or why there is none (exit status 1).
int ListCommand(Session& session, std::ostream& out, std::ostream& err);
int InfoCommand(Session& session, std::ostream& out, std::ostream& err);
int ButtonsCommand(Session& session, std::ostream& out, std::ostream& err);

}  // namespace veltrax::ctl
