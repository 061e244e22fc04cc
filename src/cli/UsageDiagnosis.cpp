#include "cli/UsageDiagnosis.h"

#include <limits>

#include "cli/NearestName.h"

namespace veltrax::cli {
namespace {

using Options = std::vector<const CLI::Option*>;

bool IsOptionWord(const std::string& word) { return word.size() > 1 && word[0] == '-'; }

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

std::vector<std::string> NamesOf(const CLI::Option& option) {
  std::vector<std::string> names;
  for (const std::string& l : option.get_lnames()) names.push_back("--" + l);
  for (const std::string& s : option.get_snames()) names.push_back("-" + s);
  return names;
}

const CLI::Option* OptionNamed(const CLI::App& command, const std::string& name) {
  for (const CLI::Option* option : command.get_options()) {
    for (const std::string& n : NamesOf(*option)) {
      if (n == name) return option;
    }
  }
  return nullptr;
}

std::vector<const CLI::App*> Subcommands(const CLI::App& command) {
  return command.get_subcommands([](const CLI::App*) { return true; });
}

const CLI::App* SubcommandNamed(const CLI::App& command, const std::string& name) {
  for (const CLI::App* sub : Subcommands(command)) {
    if (sub->get_name() == name) return sub;
  }
  return nullptr;
}

std::string SubcommandList(const CLI::App& command) {
  std::string list;
  for (const CLI::App* sub : Subcommands(command)) list += (list.empty() ? "" : ", ") + sub->get_name();
  return list;
}

std::string Words(const CLI::App& command, const std::string& last) {
  const std::string words = CommandWords(command);
  return words.empty() ? last : words + " " + last;
}

// Every command of the table below and including command.
void CollectCommands(const CLI::App& command, std::vector<const CLI::App*>& all) {
  all.push_back(&command);
  for (const CLI::App* sub : Subcommands(command)) CollectCommands(*sub, all);
}

// The option of this command or of one above it.
const CLI::Option* VisibleOption(const CLI::App* command, const std::string& name) {
  for (; command != nullptr; command = command->get_parent()) {
    if (const CLI::Option* option = OptionNamed(*command, name)) return option;
  }
  return nullptr;
}

UsageProblem UnknownOption(const CLI::App& root, const CLI::App& reached, const std::string& name) {
  std::vector<const CLI::App*> all;
  CollectCommands(root, all);
  std::vector<const CLI::App*> owners;
  for (const CLI::App* command : all) {
    if (OptionNamed(*command, name)) owners.push_back(command);
  }
  if (!owners.empty()) {
    std::string list;
    for (const CLI::App* owner : owners) list += (list.empty() ? "" : ", ") + Quoted(CommandWords(*owner));
    const bool one = owners.size() == 1;
    return {"the option " + name + " belongs to " + list +
                (one ? "; give it after that command" : "; give it after one of these commands"),
            one ? owners.front() : &reached};
  }
  std::vector<std::string> names;
  for (const CLI::App* command = &reached; command != nullptr; command = command->get_parent()) {
    for (const CLI::Option* option : command->get_options()) {
      for (const std::string& n : NamesOf(*option)) names.push_back(n);
    }
  }
  std::string message = "unknown option " + name;
  if (auto nearest = NearestName(name, names)) message += "; did you mean " + *nearest + "?";
  return {message, &reached};
}

UsageProblem UnknownCommand(const CLI::App& reached, const std::string& word) {
  std::vector<std::string> names;
  for (const CLI::App* sub : Subcommands(reached)) names.push_back(sub->get_name());
  std::string message = "unknown command " + Quoted(Words(reached, word));
  if (auto nearest = NearestName(word, names)) {
    message += "; did you mean " + Quoted(Words(reached, *nearest)) + "?";
  } else {
    message += "; the commands are " + SubcommandList(reached);
  }
  return {message, &reached};
}

int PositionalRoom(const CLI::App& command) {
  int room = 0;
  for (const CLI::Option* option : command.get_options()) {
    if (!option->get_positional() || option->nonpositional()) continue;
    const int most = option->get_items_expected_max();
    if (most >= CLI::detail::expected_max_vector_size) return std::numeric_limits<int>::max();
    room += most;
  }
  return room;
}

// Whether the option takes the word after it as its value.
bool TakesNext(const CLI::Option& option, const CLI::App& command, const std::vector<std::string>& args, size_t next) {
  if (option.get_items_expected_max() == 0 || next >= args.size()) return false;
  if (option.get_items_expected_min() > 0) return true;
  return !IsOptionWord(args[next]) && SubcommandNamed(command, args[next]) == nullptr;
}

}  // namespace

std::string CommandWords(const CLI::App& command) {
  if (command.get_parent() == nullptr) return {};
  const std::string above = CommandWords(*command.get_parent());
  return above.empty() ? command.get_name() : above + " " + command.get_name();
}

std::optional<UsageProblem> DiagnoseUsage(const CLI::App& root, const std::vector<std::string>& args) {
  const CLI::App* command = &root;
  int positionals = 0;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (word == "--") break;
    if (IsOptionWord(word)) {
      const std::string name = word.substr(0, word.find('='));
      const CLI::Option* option = VisibleOption(command, name);
      if (option == nullptr) return UnknownOption(root, *command, name);
      if (word.find('=') == std::string::npos && TakesNext(*option, *command, args, i + 1)) ++i;
      continue;
    }
    if (positionals == 0 && !Subcommands(*command).empty()) {
      if (const CLI::App* sub = SubcommandNamed(*command, word)) {
        command = sub;
        continue;
      }
      if (PositionalRoom(*command) == 0) return UnknownCommand(*command, word);
    }
    if (positionals >= PositionalRoom(*command)) {
      const std::string where = command == &root ? std::string() : " after " + Quoted(CommandWords(*command));
      return UsageProblem{"unexpected argument " + Quoted(word) + where, command};
    }
    ++positionals;
  }
  if (command->get_require_subcommand_min() > 0) {
    const std::string who = command == &root ? std::string("a command is needed") : Quoted(CommandWords(*command)) + " needs a command";
    return UsageProblem{who + ": " + SubcommandList(*command), command};
  }
  return std::nullopt;
}

}  // namespace veltrax::cli
