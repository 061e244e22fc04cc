#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

#include "base/FileIo.h"
#include "cli/Version.h"
#include "common/CliRun.h"
#include "common/TempFolder.h"
#include "image/DefaultImages.h"

namespace veltrax {
namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;
using ::testing::StartsWith;

// What users bring from other tools: results on stdout, errors on stderr
// with the program's name and a pointer at the help that explains them.
TEST(ConventionsTest, UsageErrorsSayWhatIsWrongOnStderr) {
  struct Case {
    const char* args;
    const char* message;  // the first line, or its start
    const char* help;     // whose --help the last line points at
  };
  const Case cases[] = {
      {"raed", "veltraxctl: unknown command \"raed\"; did you mean \"read\"?\n", "veltraxctl"},
      {"macro lsit", "veltraxctl: unknown command \"macro lsit\"; did you mean \"macro list\"?\n", "veltraxctl macro"},
      {"info --json", "veltraxctl: the option --json belongs to \"show\"; give it after that command\n",
       "veltraxctl show"},
      {"show --jsno", "veltraxctl: unknown option --jsno; did you mean --json?\n", "veltraxctl show"},
      {"", "veltraxctl: a command is needed: list, info, read, ", "veltraxctl"},
      {"--sim-fault=bogus info", "veltraxctl: --sim-fault=bogus: unknown fault; see --help\n", "veltraxctl"},
      {"assign p.bin C 1 'Right Key'", "veltraxctl: the profile is A or B, not \"C\"\n", "veltraxctl assign"},
      {"macro new ''", "veltraxctl: a macro needs a name\n", "veltraxctl macro new"},
  };
  test::TempFolder folder{"veltraxctl-usage"};
  for (const Case& c : cases) {
    const auto run =
        test::RunApart(VELTRAXCTL, std::string("--simulate ") + c.args, {{"XDG_DATA_HOME", folder.path().string()}});
    EXPECT_EQ(run.status, 2) << c.args;
    EXPECT_THAT(run.err, StartsWith(c.message)) << c.args;
    EXPECT_THAT(run.err, EndsWith("\nTry '" + std::string(c.help) + " --help' for more information.\n")) << c.args;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 2) << c.args << ": " << run.err;
    EXPECT_EQ(run.out, "") << c.args;
  }
}

TEST(ConventionsTest, HelpAndVersionGoToStdoutAndSucceed) {
  const auto version = test::RunApart(VELTRAXCTL, "--version");
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, "veltraxctl " + std::string(cli::kVersion) + "\n");
  const auto help = test::RunApart(VELTRAXCTL, "macro export --help");
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, StartsWith("Write one macro to a 256-byte macro file\nUsage: veltraxctl macro export"));
  EXPECT_EQ(help.err, "");
}

// Options of a command after its arguments, and the global ones anywhere.
TEST(ConventionsTest, OptionsAreTakenWhereUsersPutThem) {
  test::TempFolder folder{"veltraxctl-places"};
  const std::string state = (folder / "mouse.bin").string();
  const std::string library = (folder / "lib.bin").string();
  const struct {
    std::string args;
    const char* out;
  } cases[] = {
      {"macro new One --library " + library, "0  One\n"},
      {"macro --library " + library + " new Two", "1  Two\n"},
      {"macro list --library=" + library, "0  One\n1  Two\n"},
      {"read " + (folder / "p").string() + " --simulate=" + state, "read 2048 bytes into "},
      {"show " + (folder / "p.bin").string() + " --trace --json --simulate=" + state, "{\n"},
  };
  for (const auto& c : cases) {
    const auto run = test::RunApart(VELTRAXCTL, c.args);
    EXPECT_EQ(run.status, 0) << c.args << ": " << run.err;
    EXPECT_THAT(run.out, StartsWith(c.out)) << c.args;
  }
}

// The completion script is written from the command table and completes
// in a plain bash.
TEST(ConventionsTest, BashCompletesCommandsAndOptions) {
  const struct {
    const char* words;  // the line so far, the last word being completed
    std::vector<const char*> offered;
  } cases[] = {
      {"veltraxctl mac", {"macro"}},
      {"veltraxctl macro ex", {"export", "export-all"}},
      {"veltraxctl show --", {"--json", "--lang", "--simulate", "--trace", "--help"}},
      {"veltraxctl macro new X --lib", {"--library"}},
      {"veltraxctl --simulate=m.bin f", {"functions"}},
  };
  test::TempFolder folder{"veltraxctl-completion"};
  const std::string script = (folder / "complete.sh").string();
  for (const auto& c : cases) {
    const std::string text = "source <(" + std::string(VELTRAXCTL) + " completion)\nCOMP_WORDS=(" + c.words +
                             ")\nCOMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n_veltraxctl\nprintf '%s\\n' \"${COMPREPLY[@]}\"\n";
    ASSERT_TRUE(WriteFileAtomically(script, std::vector<uint8_t>(text.begin(), text.end())));
    const auto run = test::RunShell("bash " + script + " 2>&1");
    EXPECT_EQ(run.status, 0) << run.out;
    for (const char* word : c.offered) EXPECT_THAT(run.out, HasSubstr(std::string(word) + "\n")) << c.words;
  }
}

}  // namespace
}  // namespace veltrax
