#pragma once
// Says what is wrong with a command line that the parser refused, in the
// user's terms: the command that was probably meant, the command an option
// belongs to, the argument that is one too many.

#include <CLI/CLI.hpp>
#include <optional>
#include <string>
#include <vector>

namespace veltrax::cli {

struct UsageProblem {
  std::string message;
  const CLI::App* command;  // the command the words reached, for its --help
};

// Walks args (without the program name) through root's command table as
// the parser does, with the options of every command open to the commands
// below it. Nothing when the walk finds no fault; the parser's own message
// then stands.
std::optional<UsageProblem> DiagnoseUsage(const CLI::App& root, const std::vector<std::string>& args);

// "macro new" for the command below root; empty for root itself.
std::string CommandWords(const CLI::App& command);

}  // namespace veltrax::cli
