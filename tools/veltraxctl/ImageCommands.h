#pragma once
// veltraxctl commands over the configuration image flows: read a profile
// from the mouse, write one to it, restore a default image, and show an
// image's settings. Each returns the exit status.

#include <functional>
#include <iosfwd>
#include <string>

#include "Session.h"
#include "image/ImageLayout.h"

namespace CLI {
class App;
}

namespace veltrax::ctl {

// Adds read, write, reset and show; the chosen one is put into command.
void AddImageCommands(CLI::App& app, std::function<int(Session&)>& command);

// The save flow: the mouse's image, read afresh, into FILE (".bin" added
// when missing).
int ImageReadCommand(Session& session, const std::string& file, std::ostream& out, std::ostream& err);
// The profile-load flow: FILE checked, written and verified; 0 only when verified.
int WriteCommand(Session& session, const std::string& file, std::ostream& out, std::ostream& err);
// Default image n (1 to 3) to the mouse, verified.
int ResetCommand(Session& session, int n, std::ostream& out, std::ostream& err);
// The settings of an image file, or of the mouse when file is empty; button
// names in language 1 to 3.
int ShowCommand(Session& session, const std::string& file, bool json, int language, std::ostream& out,
                std::ostream& err);

}  // namespace veltrax::ctl
