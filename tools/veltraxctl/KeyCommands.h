#pragma once
// veltraxctl commands about button functions. Each returns the exit status.

#include <array>
#include <iosfwd>
#include <string>

#include "base/TextTable.h"
#include "image/ImageLayout.h"

namespace veltrax::ctl {

struct AssignRequest {
  std::string file;      // a profile file, edited in place
  std::string profile;   // "A" or "B"
  int button = 0;        // 1..9
  std::string function;  // "Right Key", "WWW Fn/Back", "combo:Ctrl+Shift+A", "code:020304"
  int language = 1;      // of the function names and the messages, 1 to 3
};

// Every function name assign takes, one a line, in language 1 to 3, in the
// order of the menus; "menu/name" where two menus offer the same name.
int FunctionsCommand(int language, std::ostream& out);

// Gives one button of a profile file a new function under the same rules
// as the key pages: the last Left Key of a profile stays, unless a key
// combination replaces it. The file is written only when the change is
// made, with the profile checksum, atomically.
int AssignCommand(const AssignRequest& request, std::ostream& out, std::ostream& err);

// The names the 18 buttons of an image show in language 1 to 3 (Mode A
// buttons 1 to 9, then Mode B), macro buttons by their base macro's name.
std::array<std::string, 18> ButtonNames(const DeviceImage& image, int language);

}  // namespace veltrax::ctl
