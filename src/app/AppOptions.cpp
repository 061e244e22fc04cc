#include "app/AppOptions.h"

#include <CLI/CLI.hpp>

#include "sim/SimFaults.h"

namespace veltrax::app {

Result<AppOptions> ParseAppOptions(int argc, char** argv) {
  CLI::App cli{"veltrax: the VELTRAX gaming mouse configurator."};
  cli.footer(std::string("Simulated mouse faults (--sim-fault, repeatable):\n") + SimFaultHelp());
  AppOptions options;
  auto* simulate = cli.add_option("--simulate", options.stateFile,
                                  "Use the simulated mouse instead of real hardware; its memory is kept in "
                                  "STATE_FILE if given")
                       ->expected(0, 1)
                       ->type_name("[STATE_FILE]");
  cli.add_option("--sim-fault", options.faults, "Inject a fault into the simulated mouse: KIND[:ARG]")
      ->type_name("KIND[:ARG]")
      ->take_all();
  try {
    cli.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return Error{ErrorKind::NotFound, cli.help()};
  } catch (const CLI::ParseError& e) {
    return Error{ErrorKind::BadArgument, e.what()};
  }
  options.simulate = simulate->count() > 0;
  if (!options.simulate && !options.faults.empty()) {
    return Error{ErrorKind::BadArgument, "--sim-fault needs --simulate"};
  }
  return options;
}

}  // namespace veltrax::app
