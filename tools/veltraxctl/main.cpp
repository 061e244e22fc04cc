// veltraxctl: the VELTRAX configurator from a shell.

#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>

#include "DeviceCommands.h"
#include "ImageCommands.h"
#include "KeyCommands.h"
#include "MacroCommands.h"
#include "Session.h"
#include "SetCommand.h"
#include "device/SimulateCommandLine.h"

namespace {

using veltrax::ctl::GlobalOptions;
using veltrax::ctl::Session;

int RunWithSession(const GlobalOptions& options, const std::function<int(Session&)>& command) {
  auto session = Session::Create(options);
  if (!session) {
    std::cerr << "veltraxctl: " << session.error().context << "\n";
    return 2;
  }
  int status = command(*session.value());
  // The simulated mouse keeps its memory at the end of every transaction;
  // a failure there must not pass unnoticed.
  if (veltrax::SimulatedMouse* mouse = session.value()->Simulated()) {
    if (veltrax::Status saved = mouse->Save(); !saved) {
      std::cerr << "veltraxctl: the simulated mouse's state was not kept: " << saved.error().context << "\n";
      status = 1;
    }
  }
  return status;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"veltraxctl: reads, writes and inspects the VELTRAX gaming mouse."};
  app.require_subcommand(1);

  GlobalOptions options;
  veltrax::AddSimulateOptions(app, options.device);
  app.add_flag("--trace", options.trace, "Print every feature report exchanged with the mouse, in hex, on stderr");

  std::function<int(Session&)> command;
  app.add_subcommand("list", "List the mouse interfaces present, with why one cannot be opened")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::ListCommand(s, std::cout); }; });
  app.add_subcommand("info", "Identify the mouse: marker, status flag, model code, identity bytes")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::InfoCommand(s, std::cout, std::cerr); }; });
  veltrax::ctl::AddImageCommands(app, command);
  veltrax::ctl::AddSetCommand(app, command);
  app.add_subcommand("buttons", "Print the pressed-button mask of one poll")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::ButtonsCommand(s, std::cout, std::cerr); }; });

  veltrax::ctl::AssignRequest assign;
  auto* assignCommand = app.add_subcommand(
      "assign", "Give a button of a profile file a new function, under the key pages' rules (the last Left Key stays)");
  assignCommand->add_option("FILE", assign.file, "The profile file, edited in place")->required();
  assignCommand->add_option("PROFILE", assign.profile, "A or B")->required();
  assignCommand->add_option("BUTTON", assign.button, "1 to 9")->required();
  assignCommand
      ->add_option("FUNCTION", assign.function,
                   "A function as the menus name it (\"Right Key\", \"DPI +\", \"WWW Fn/Back\"), "
                   "combo:Ctrl+Shift+A, or code:HHHHHH")
      ->required();
  assignCommand->callback([&] {
    command = [&](Session&) { return veltrax::ctl::AssignCommand(assign, std::cout, std::cerr); };
  });
  veltrax::ctl::AddMacroCommands(app, command);

  try {
    app.parse(argc, argv);
  } catch (const CLI::ParseError& e) {
    return app.exit(e) == 0 ? 0 : 2;  // --help is no error
  }
  veltrax::FinishSimulateOptions(app, options.device);
  return RunWithSession(options, command);
}
