#include "cli/BashCompletion.h"

#include <sstream>
#include <vector>

#include "cli/Version.h"

namespace veltrax::cli {
namespace {

std::vector<const CLI::App*> Subcommands(const CLI::App& command) {
  return command.get_subcommands([](const CLI::App*) { return true; });
}

std::string Path(const CLI::App& command) {
  if (command.get_parent() == nullptr) return {};
  return Path(*command.get_parent()) + "/" + command.get_name();
}

bool NamesFiles(const CLI::Option& option) { return option.get_type_name().find("FILE") != std::string::npos; }

std::string OptionNames(const CLI::Option& option) {
  std::string names;
  for (const std::string& l : option.get_lnames()) names += " --" + l;
  for (const std::string& s : option.get_snames()) names += " -" + s;
  return names;
}

// Words offered after the command: its commands and every option it takes.
std::string WordsAfter(const CLI::App& command) {
  std::string words;
  for (const CLI::App* sub : Subcommands(command)) words += " " + sub->get_name();
  for (const CLI::App* c = &command; c != nullptr; c = c->get_parent()) {
    for (const CLI::Option* option : c->get_options()) words += OptionNames(*option);
  }
  return words.empty() ? words : words.substr(1);
}

bool TakesFiles(const CLI::App& command) {
  for (const CLI::Option* option : command.get_options()) {
    if (option->get_positional() && !option->nonpositional() && option->get_name(true).find("FILE") != std::string::npos) {
      return true;
    }
  }
  return false;
}

void Collect(const CLI::App& command, std::vector<const CLI::App*>& all) {
  all.push_back(&command);
  for (const CLI::App* sub : Subcommands(command)) Collect(*sub, all);
}

}  // namespace

std::string BashCompletion(const CLI::App& root) {
  std::vector<const CLI::App*> all;
  Collect(root, all);
  const std::string name = root.get_name();
  std::string function = "_" + name;
  for (char& c : function) c = (c == '-') ? '_' : c;

  std::ostringstream s;
  s << "# bash completion for " << name << " " << kVersion << ", written by '" << name
    << " completion' from its command table.\n"
    << function << "() {\n"
    << "  local cur=${COMP_WORDS[COMP_CWORD]} prev=${COMP_WORDS[COMP_CWORD-1]}\n"
    << "  local path= i\n"
    << "  for ((i = 1; i < COMP_CWORD; i++)); do\n"
    << "    case \"$path/${COMP_WORDS[i]}\" in\n";
  for (const CLI::App* command : all) {
    if (command != &root) s << "      " << Path(*command) << ") path=$path/${COMP_WORDS[i]} ;;\n";
  }
  s << "    esac\n"
    << "  done\n"
    << "  case \"$prev\" in\n";
  std::vector<std::string> fileOptions;
  for (const CLI::App* command : all) {
    for (const CLI::Option* option : command->get_options()) {
      if (!NamesFiles(*option)) continue;
      for (const std::string& l : option->get_lnames()) fileOptions.push_back("--" + l);
    }
  }
  if (!fileOptions.empty()) {
    s << "    ";
    for (size_t i = 0; i < fileOptions.size(); ++i) s << (i ? "|" : "") << fileOptions[i];
    s << ") COMPREPLY=($(compgen -f -- \"$cur\")); return ;;\n";
  }
  s << "  esac\n"
    << "  local words= files=\n"
    << "  case \"$path\" in\n";
  for (const CLI::App* command : all) {
    s << "    \"" << Path(*command) << "\") words=\"" << WordsAfter(*command) << "\"";
    if (TakesFiles(*command)) s << "; files=1";
    s << " ;;\n";
  }
  s << "  esac\n"
    << "  COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
    << "  if [[ -n $files && $cur != -* ]]; then COMPREPLY+=($(compgen -f -- \"$cur\")); fi\n"
    << "}\n"
    << "complete -o filenames -F " << function << " " << name << "\n";
  return s.str();
}

}  // namespace veltrax::cli
