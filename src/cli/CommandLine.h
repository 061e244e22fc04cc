#pragma once
// The command-line habits every program of the project keeps: --help and
// --version, a command's options after its arguments as well as before,
// the global options anywhere, results on stdout, and errors on stderr as
// "PROGRAM: message" with a last line pointing at --help.

#include <CLI/CLI.hpp>
#include <iosfwd>
#include <optional>
#include <string>

namespace veltrax::cli {

// Names the program and adds --version. Call before adding commands, so
// they inherit the fall-through of their options to the commands above.
void FollowConventions(CLI::App& app);

// Parses. Nothing when the program is to run; otherwise its exit status:
// 0 after --help or --version (printed on out), 2 after a usage error
// (explained on err).
std::optional<int> Parse(CLI::App& app, int argc, const char* const* argv, std::ostream& out, std::ostream& err);

// Prints "PROGRAM: message" and the --help pointer for command on err; 2.
int UsageError(const CLI::App& command, const std::string& message, std::ostream& err);

// "Try 'veltraxctl show --help' for more information."
std::string HelpPointer(const CLI::App& command);

// The command that was chosen: the deepest one the parser reached.
const CLI::App& ChosenCommand(const CLI::App& root);

}  // namespace veltrax::cli
