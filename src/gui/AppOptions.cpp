#include "gui/AppOptions.h"

#include "device/SimulateCommandLine.h"

namespace veltrax::gui {

Result<AppOptions> ParseAppOptions(int argc, char** argv) {
  CLI::App cli{"veltrax: the VELTRAX gaming mouse configurator."};
  AppOptions options;
  AddSimulateOptions(cli, options);
  try {
    cli.parse(argc, argv);
  } catch (const CLI::CallForHelp&) {
    return Error{ErrorKind::NotFound, cli.help()};
  } catch (const CLI::ParseError& e) {
    return Error{ErrorKind::BadArgument, e.what()};
  }
  FinishSimulateOptions(cli, options);
  if (!options.simulate && !options.faults.empty()) {
    return Error{ErrorKind::BadArgument, "--sim-fault needs --simulate"};
  }
  return options;
}

}  // namespace veltrax::gui
