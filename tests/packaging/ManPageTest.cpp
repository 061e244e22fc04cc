// The manual pages keep in step with --help: every command and option that
// a program's --help offers is in its page, and the page describes no
// command the program lacks. A failure names the page, the name and where
// it goes, so that whoever adds a command knows what to write.

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "common/CliRun.h"

namespace veltrax {
namespace {

struct Offered {
  std::string command;  // "macro export"; empty for the program itself
  std::string option;   // "--lang"; empty for a command
};

// CLI11's help: the names in the first column of "Options:" and
// "Subcommands:".
void Collect(const std::string& program, const std::string& command, std::vector<Offered>& offered) {
  const auto help = test::RunShell(program + " " + command + " --help 2>&1");
  EXPECT_EQ(help.status, 0) << program << " " << command << " --help";
  std::istringstream lines(help.out);
  std::string section;
  for (std::string line; std::getline(lines, line);) {
    if (!line.empty() && line[0] != ' ') {
      section = line;
      continue;
    }
    if (line.size() < 3 || line[2] == ' ') continue;  // a continued description
    const std::string first = line.substr(2, line.find("  ", 2) - 2);
    if (section == "Options:") {
      static const std::regex kName("(^|,)(--?[A-Za-z][A-Za-z0-9-]*)");
      for (auto m = std::sregex_iterator(first.begin(), first.end(), kName); m != std::sregex_iterator(); ++m) {
        offered.push_back({command, (*m)[2]});
      }
    } else if (section == "Subcommands:") {
      const std::string sub = first.substr(0, first.find(' '));
      const std::string path = command.empty() ? sub : command + " " + sub;
      offered.push_back({path, ""});
      Collect(program, path, offered);
    }
  }
}

// The page's text without troff's font changes and escapes.
std::string PlainPage(const std::string& file) {
  std::ifstream in(file);
  EXPECT_TRUE(in) << file;
  std::stringstream raw;
  raw << in.rdbuf();
  std::string text = std::regex_replace(raw.str(), std::regex(R"(\\f[BIRP])"), "");
  text = std::regex_replace(text, std::regex(R"(\\-)"), "-");
  return std::regex_replace(text, std::regex(R"(\\\(.{2})"), "\"");
}

// The commands the page describes: the tag lines of ".TP" entries under
// ".SH COMMANDS", up to the first word that is not a command word.
std::set<std::string> DescribedCommands(const std::string& page) {
  std::set<std::string> commands;
  std::istringstream lines(page);
  bool inCommands = false, tag = false;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(".SH", 0) == 0) inCommands = line == ".SH COMMANDS";
    if (!inCommands) continue;
    if (tag) {
      static const std::regex kWords("^([a-z][a-z-]*)( [a-z][a-z-]*)*");
      std::smatch m;
      if (std::regex_search(line, m, kWords)) commands.insert(m.str());
    }
    tag = line == ".TP";
  }
  return commands;
}

bool Names(const std::string& page, const std::string& option) {
  return std::regex_search(page, std::regex("(^|[^A-Za-z0-9-])" + option + "($|[^A-Za-z0-9-])"));
}

void ExpectInStep(const std::string& program, const std::string& pageName) {
  std::vector<Offered> offered;
  Collect(program, "", offered);
  ASSERT_FALSE(offered.empty()) << program << " --help names nothing";
  const std::string source = "man/" + pageName + ".in";
  const std::string page = PlainPage(std::string(VELTRAX_MAN_DIR) + "/" + pageName + ".in");
  const std::set<std::string> described = DescribedCommands(page);
  std::set<std::string> commands;
  for (const Offered& o : offered) {
    const std::string where = o.command.empty() ? "" : " " + o.command;
    if (o.option.empty()) {
      commands.insert(o.command);
      EXPECT_TRUE(described.count(o.command))
          << source << " does not describe the command \"" << o.command << "\": give it a .TP entry under "
          << ".SH COMMANDS whose tag line begins \\fB" << o.command << "\\fR";
    } else {
      EXPECT_TRUE(Names(page, o.option)) << source << " does not name the option " << o.option << ", which '"
                                         << pageName.substr(0, pageName.find('.')) << where << " --help' offers";
    }
  }
  for (const std::string& command : described) {
    EXPECT_TRUE(commands.count(command)) << source << " describes the command \"" << command
                                         << "\", which --help does not offer";
  }
}

TEST(ManPageTest, VeltraxctlPageNamesEveryCommandAndOption) { ExpectInStep(VELTRAXCTL, "veltraxctl.1"); }

TEST(ManPageTest, VeltraxPageNamesEveryOption) { ExpectInStep(VELTRAX, "veltrax.1"); }

}  // namespace
}  // namespace veltrax
