#include "device/OpenProblems.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>

namespace veltrax {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using Kind = OpenProblem::Kind;

TEST(OpenProblemsTest, EachProblemSaysWhatIsWrongAndHowToMendIt) {
  const std::string install = UdevRuleInstallCommand();
  const struct {
    std::vector<OpenProblem> problems;
    std::vector<std::string> says;
    std::vector<std::string> saysNot;
  } cases[] = {
      {{}, {}, {"VELTRAX"}},
      {{{Kind::NoPermission, "/dev/hidraw3", "Permission denied", 0},
        {Kind::NoPermission, "/dev/hidraw4", "Permission denied", 0}},
       {"this user may not open it (/dev/hidraw3, /dev/hidraw4: permission denied)", "\n  " + install},
       {"release"}},
      {{{Kind::CannotOpen, "/dev/hidraw5", "Device or resource busy", 0}},
       {"/dev/hidraw5 cannot be opened: Device or resource busy", "Another program may be holding it"},
       {install}},
      {{{Kind::OtherRelease, "/dev/hidraw6", "", 0x0105}},
       {"release 0x0105 was found at /dev/hidraw6; this program serves release 0x0104 only"},
       {install}},
  };
  for (const auto& c : cases) {
    const std::string text = DescribeOpenProblems(c.problems);
    if (c.problems.empty()) {
      EXPECT_EQ(text, "");
    }
    for (const std::string& said : c.says) EXPECT_THAT(text, HasSubstr(said));
    for (const std::string& notSaid : c.saysNot) EXPECT_THAT(text, Not(HasSubstr(notSaid)));
  }
}

// The command the program prints installs the very rule that is packaged.
TEST(OpenProblemsTest, TheRuleIsThePackagedOne) {
  std::ifstream packaged(VELTRAX_TEST_DATA "/../../packaging/70-veltrax.rules");
  ASSERT_TRUE(packaged) << "packaging/70-veltrax.rules";
  std::string line, rule;
  while (std::getline(packaged, line)) {
    if (!line.empty() && line[0] != '#') rule = line;
  }
  EXPECT_EQ(UdevRule(), rule);
  EXPECT_THAT(UdevRuleInstallCommand(), HasSubstr("'" + rule + "' | sudo tee /etc/udev/rules.d/70-veltrax.rules"));
}

}  // namespace
}  // namespace veltrax
