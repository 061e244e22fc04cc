// veltraxctl: the VELTRAX configurator from a shell.

#include <CLI/CLI.hpp>
#include <functional>
#include <iostream>
#include <memory>

#include "DeviceCommands.h"
#include "ImageCommands.h"
#include "KeyCommands.h"
#include "MacroCommands.h"
#include "Session.h"
#include "SetCommand.h"
#include "cli/BashCompletion.h"
#include "cli/CommandLine.h"
#include "device/SimulateCommandLine.h"

namespace {

using veltrax::ctl::GlobalOptions;
using veltrax::ctl::Session;

constexpr int kLanguages = 3;

// A session that cannot be made for a bad --sim-fault is a usage error of
// the global options; a command's own usage errors have said what is
// wrong, and both point at the help that explains it.
int RunWithSession(const GlobalOptions& options, const std::function<int(Session&)>& command, const CLI::App& app) {
  auto session = Session::Create(options);
  if (!session) {
    // A bad option is a usage error; a state file that cannot be used is not.
    if (session.error().kind == veltrax::ErrorKind::BadArgument) {
      return veltrax::cli::UsageError(app, session.error().context, std::cerr);
    }
    std::cerr << "veltraxctl: " << session.error().context << "\n";
    return 1;
  }
  int status = command(*session.value());
  if (status == 2) std::cerr << veltrax::cli::HelpPointer(veltrax::cli::ChosenCommand(app)) << "\n";
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

void AddKeyCommands(CLI::App& app, std::function<int(Session&)>& command) {
  auto assign = std::make_shared<veltrax::ctl::AssignRequest>();
  auto* assignCommand = app.add_subcommand(
      "assign", "Give a button of a profile file a new function, under the key pages' rules (the last Left Key stays)");
  assignCommand->add_option("FILE", assign->file, "The profile file, edited in place")->required();
  assignCommand->add_option("PROFILE", assign->profile, "A or B")->required();
  assignCommand->add_option("BUTTON", assign->button, "1 to 9")->required();
  assignCommand
      ->add_option("FUNCTION", assign->function,
                   "A function as the menus name it (\"Right Key\", \"DPI +\", \"WWW Fn/Back\"; see 'functions'), "
                   "combo:Ctrl+Shift+A, or code:HHHHHH")
      ->required();
  assignCommand->add_option("--lang", assign->language, "Language of the function names: 1 English, 2 Chinese, 3 English (variant)")
      ->type_name("N")
      ->check(CLI::Range(1, kLanguages).description(""));
  assignCommand->callback([&command, assign] {
    command = [assign](Session&) { return veltrax::ctl::AssignCommand(*assign, std::cout, std::cerr); };
  });

  auto language = std::make_shared<int>(1);
  auto* functions = app.add_subcommand("functions", "List every function name that assign takes, one a line");
  functions->add_option("--lang", *language, "Language of the names: 1 English, 2 Chinese, 3 English (variant)")
      ->type_name("N")
      ->check(CLI::Range(1, kLanguages).description(""));
  functions->callback([&command, language] {
    command = [language](Session&) { return veltrax::ctl::FunctionsCommand(*language, std::cout); };
  });
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"veltraxctl: reads, writes and inspects the VELTRAX gaming mouse.", "veltraxctl"};
  veltrax::cli::FollowConventions(app);
  app.require_subcommand(1);

  std::function<int(Session&)> command;
  app.add_subcommand("list", "Name the mouse interface the program uses, or say why no mouse can be used")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::ListCommand(s, std::cout, std::cerr); }; });
  app.add_subcommand("info", "Identify the mouse: marker, status flag, model code, identity bytes")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::InfoCommand(s, std::cout, std::cerr); }; });
  veltrax::ctl::AddImageCommands(app, command);
  veltrax::ctl::AddSetCommand(app, command);
  app.add_subcommand("buttons", "Print the pressed-button mask of one poll")
      ->callback([&] { command = [](Session& s) { return veltrax::ctl::ButtonsCommand(s, std::cout, std::cerr); }; });
  AddKeyCommands(app, command);
  veltrax::ctl::AddMacroCommands(app, command);
  app.add_subcommand("completion", "Print the bash completion script of veltraxctl")->callback([&] {
    command = [&app](Session&) {
      std::cout << veltrax::cli::BashCompletion(app);
      return 0;
    };
  });

  // The global options come last, so that their footer, the list of
  // faults, stays with the program's own help.
  GlobalOptions options;
  veltrax::AddSimulateOptions(app, options.device);
  app.add_flag("--trace", options.trace, "Print every feature report exchanged with the mouse, in hex, on stderr");

  if (auto status = veltrax::cli::Parse(app, argc, argv, std::cout, std::cerr)) return *status;
  veltrax::FinishSimulateOptions(app, options.device);
  return RunWithSession(options, command, app);
}
