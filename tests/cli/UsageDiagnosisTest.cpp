#include "cli/UsageDiagnosis.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CommandLine.h"

namespace veltrax::cli {
namespace {

// A small table with the shapes of the real ones: global options, a
// command with arguments and options, commands below a command.
struct Table {
  Table() {
    FollowConventions(app);
    app.require_subcommand(1);
    app.add_option("--simulate", text)->expected(0, 1);
    app.add_flag("--trace", flag);
    CLI::App* show = app.add_subcommand("show", "");
    show->add_option("FILE", text);
    show->add_flag("--json", flag);
    show->add_option("--lang", number);
    CLI::App* macro = app.add_subcommand("macro", "");
    macro->require_subcommand(1);
    macro->add_option("--library", text);
    macro->add_subcommand("new", "")->add_option("NAME", text)->required();
    macro->add_subcommand("list", "");
    app.add_subcommand("functions", "")->add_option("--lang", number);
  }

  CLI::App app{"", "tool"};
  std::string text;
  bool flag = false;
  int number = 0;
};

std::string Diagnose(const std::vector<std::string>& args) {
  Table table;
  auto problem = DiagnoseUsage(table.app, args);
  if (!problem) return "(none)";
  return problem->message + " [" + CommandWords(*problem->command) + "]";
}

TEST(UsageDiagnosisTest, SaysWhatIsWrongAndWhichHelpExplainsIt) {
  struct Case {
    std::vector<std::string> args;
    const char* diagnosis;
  };
  const Case cases[] = {
      {{"shwo"}, "unknown command \"shwo\"; did you mean \"show\"? []"},
      {{"frobnicate"}, "unknown command \"frobnicate\"; the commands are show, macro, functions []"},
      {{"macro", "nwe", "X"}, "unknown command \"macro nwe\"; did you mean \"macro new\"? [macro]"},
      {{"--json", "show"}, "the option --json belongs to \"show\"; give it after that command [show]"},
      {{"macro", "list", "--json"}, "the option --json belongs to \"show\"; give it after that command [show]"},
      {{"--lang", "2", "show"},
       "the option --lang belongs to \"show\", \"functions\"; give it after one of these commands []"},
      {{"show", "--jsn"}, "unknown option --jsn; did you mean --json? [show]"},
      {{"show", "--colour"}, "unknown option --colour [show]"},
      {{"show", "a.bin", "b.bin"}, "unexpected argument \"b.bin\" after \"show\" [show]"},
      {{}, "a command is needed: show, macro, functions []"},
      {{"macro", "--library", "l.bin"}, "\"macro\" needs a command: new, list [macro]"},
      // Options of the commands above, anywhere after them; values are skipped.
      {{"macro", "new", "X", "--library", "l.bin", "--simulate", "--trace"}, "(none)"},
      {{"show", "--simulate", "m.bin", "--json", "f.bin"}, "(none)"},
      {{"show", "--lang=2", "--", "--not-an-option"}, "(none)"},
  };
  for (const Case& c : cases) {
    std::string line;
    for (const std::string& a : c.args) line += a + " ";
    EXPECT_EQ(Diagnose(c.args), c.diagnosis) << line;
  }
}

TEST(UsageDiagnosisTest, ParsingPrintsHelpVersionAndErrorsWhereTheyBelong) {
  struct Case {
    std::vector<const char*> args;
    int status;
    const char* out;  // the start of stdout
    const char* err;
  };
  const Case cases[] = {
      {{"tool", "--version"}, 0, "tool ", ""},
      {{"tool", "show", "--help"}, 0, "Usage: tool show [OPTIONS] [FILE]", ""},
      {{"tool", "shwo"}, 2, "",
       "tool: unknown command \"shwo\"; did you mean \"show\"?\nTry 'tool --help' for more information.\n"},
      {{"tool", "macro", "new"}, 2, "", "tool: NAME is required\nTry 'tool macro new --help' for more information.\n"},
      {{"tool", "show", "--lang", "x"}, 2, "", "tool: could not convert: --lang = x\nTry 'tool show --help' for more information.\n"},
  };
  for (const Case& c : cases) {
    Table table;
    std::ostringstream out, err;
    const auto status = Parse(table.app, static_cast<int>(c.args.size()), c.args.data(), out, err);
    ASSERT_TRUE(status) << c.args[1];
    EXPECT_EQ(*status, c.status) << c.args[1];
    EXPECT_EQ(out.str().substr(0, std::string(c.out).size()), c.out) << c.args[1];
    EXPECT_EQ(err.str().substr(0, std::string(c.err).size()), c.err) << c.args[1];
  }
}

}  // namespace
}  // namespace veltrax::cli
