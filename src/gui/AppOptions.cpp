#include "gui/AppOptions.h"

#include "cli/BashCompletion.h"
#include "cli/CommandLine.h"
#include "device/SimulateCommandLine.h"

namespace veltrax::gui {

ParsedOptions ParseAppOptions(int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  CLI::App cli{"veltrax: the VELTRAX gaming mouse configurator.", "veltrax"};
  cli::FollowConventions(cli);
  AppOptions options;
  AddSimulateOptions(cli, options);
  cli.add_flag("--engineer", options.engineer,
               "Show the Engineer page buttons (production lines and service): every parameter, the key test");
  CLI::App* completion = cli.add_subcommand("completion", "Print the bash completion script of veltrax");
  if (auto status = cli::Parse(cli, argc, argv, out, err)) return {std::nullopt, *status};
  if (completion->parsed()) {
    out << cli::BashCompletion(cli);
    return {std::nullopt, 0};
  }
  FinishSimulateOptions(cli, options);
  if (!options.simulate && !options.faults.empty()) {
    return {std::nullopt, cli::UsageError(cli, "--sim-fault needs --simulate", err)};
  }
  return {options, 0};
}

}  // namespace veltrax::gui
