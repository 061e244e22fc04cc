#pragma once
// veltraxctl commands that talk to the mouse. Each returns the exit status.

#include <iosfwd>
#include <string>

#include "Session.h"

namespace veltrax::ctl {

int ListCommand(Session& session, std::ostream& out);
int InfoCommand(Session& session, std::ostream& out, std::ostream& err);
int ButtonsCommand(Session& session, std::ostream& out, std::ostream& err);

}  // namespace veltrax::ctl
