#pragma once
// A bash completion script written from a program's command table, so it
// names exactly the commands and options the program takes.

#include <CLI/CLI.hpp>
#include <string>

namespace veltrax::cli {

// Completes the commands, the options each command takes (its own and
// those of the commands above it), and file names for options and
// arguments whose value is a FILE.
std::string BashCompletion(const CLI::App& root);

}  // namespace veltrax::cli
