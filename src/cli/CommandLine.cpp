#include "cli/CommandLine.h"

#include <cctype>
#include <ostream>
#include <vector>

#include "cli/UsageDiagnosis.h"
#include "cli/Version.h"

namespace veltrax::cli {
namespace {

const CLI::App& Root(const CLI::App& command) {
  const CLI::App* root = &command;
  while (root->get_parent() != nullptr) root = root->get_parent();
  return *root;
}

std::string FullName(const CLI::App& command) {
  const std::string words = CommandWords(command);
  return Root(command).get_name() + (words.empty() ? "" : " " + words);
}

// Shows a flag whose value is optional, "--simulate{}" to the parser, as
// --simulate[=STATE_FILE], the way getopt's tools write it.
class Formatter final : public CLI::Formatter {
 public:
  std::string make_option_name(const CLI::Option* option, bool positional) const override {
    std::string name = CLI::Formatter::make_option_name(option, positional);
    if (TakesOptionalValue(*option)) name.replace(name.size() - 2, 2, "[=" + option->get_type_name() + "]");
    return name;
  }
  std::string make_option_opts(const CLI::Option* option) const override {
    return TakesOptionalValue(*option) ? std::string() : CLI::Formatter::make_option_opts(option);
  }

 private:
  static bool TakesOptionalValue(const CLI::Option& option) { return option.get_name(false, true).ends_with("{}"); }
};

// CLI11's messages, made to read as one sentence after "PROGRAM: ".
std::string ParserMessage(const CLI::ParseError& error) {
  std::string message = error.what();
  // "Could not convert" reads on lower-case; a name such as ARGS stays as it is.
  if (message.size() > 1 && std::islower(static_cast<unsigned char>(message[1]))) {
    message[0] = static_cast<char>(std::tolower(static_cast<unsigned char>(message[0])));
  }
  return message;
}

}  // namespace

void FollowConventions(CLI::App& app) {
  app.formatter(std::make_shared<Formatter>());
  app.set_version_flag("--version", app.get_name() + " " + kVersion, "Print the program's name and version, and exit");
  app.fallthrough();
}

std::string HelpPointer(const CLI::App& command) {
  return "Try '" + FullName(command) + " --help' for more information.";
}

int UsageError(const CLI::App& command, const std::string& message, std::ostream& err) {
  err << Root(command).get_name() << ": " << message << "\n" << HelpPointer(command) << "\n";
  return 2;
}

const CLI::App& ChosenCommand(const CLI::App& root) {
  const CLI::App* command = &root;
  for (;;) {
    const std::vector<const CLI::App*> chosen =
        command->get_subcommands([](const CLI::App* sub) { return sub->parsed(); });
    if (chosen.empty()) return *command;
    command = chosen.front();
  }
}

std::optional<int> Parse(CLI::App& app, int argc, const char* const* argv, std::ostream& out, std::ostream& err) {
  try {
    app.parse(argc, argv);
    return std::nullopt;
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return 0;
  } catch (const CLI::CallForAllHelp&) {
    out << app.help("", CLI::AppFormatMode::All);
    return 0;
  } catch (const CLI::CallForVersion& version) {
    out << version.what() << "\n";
    return 0;
  } catch (const CLI::ParseError& error) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (auto problem = DiagnoseUsage(app, args)) return UsageError(*problem->command, problem->message, err);
    return UsageError(ChosenCommand(app), ParserMessage(error), err);
  }
}

}  // namespace veltrax::cli
