#pragma once
// veltraxctl set: settings edited by name in a profile file or on the mouse.

#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "Session.h"

namespace CLI {
class App;
}

namespace veltrax::ctl {

// Adds set; when chosen it is put into command.
void AddSetCommand(CLI::App& app, std::function<int(Session&)>& command);

// arguments: [FILE] NAME=VALUE... All edits are made under the pages' rules,
// in the order given, and are stored together or not at all: into FILE
// (atomically, with the checksums), or without FILE onto the mouse, read
// afresh and written with the read-back check. Exit status 1 when an edit
// is refused or the store fails, 2 on a usage error.
int SetCommand(Session& session, const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err);

}  // namespace veltrax::ctl
