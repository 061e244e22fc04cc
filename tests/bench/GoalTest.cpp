#include "Goal.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "common/CliRun.h"

namespace {

TEST(GoalTest, EachLineSaysItsGoalAndWhetherItWasMet) {
  EXPECT_EQ(GoalText({{"ratio", 1.02, 1.03}}), "goal=ratio<=1.03 met=yes");
  EXPECT_EQ(GoalText({{"ratio", 1.03, 1.03}}), "goal=ratio<=1.03 met=yes");
  EXPECT_EQ(GoalText({{"ratio", 1.0301, 1.03}}), "goal=ratio<=1.03 met=no");
  EXPECT_EQ(GoalText({{"first_frame_ms", 400, 400, true}, {"rss_mb", 40, 80, true}}),
            "goal=first_frame_ms<400,rss_mb<80 met=no");
  EXPECT_EQ(GoalText({{"first_frame_ms", 120, 400, true}, {"rss_mb", 40, 80, true}}),
            "goal=first_frame_ms<400,rss_mb<80 met=yes");
}

// Asking for help or a version runs no benchmark.
TEST(GoalTest, HelpVersionAndSlipsAnswerAtOnce) {
  const auto help = veltrax::test::RunApart(VELTRAX_BENCH, "--help");
  EXPECT_EQ(help.status, 0);
  EXPECT_THAT(help.out, ::testing::HasSubstr("Usage: veltrax-bench [OPTIONS] SUBCOMMAND"));
  EXPECT_THAT(help.out, ::testing::HasSubstr("startup"));
  EXPECT_EQ(veltrax::test::RunApart(VELTRAX_BENCH, "--version").status, 0);
  const auto slip = veltrax::test::RunApart(VELTRAX_BENCH, "trnasfer");
  EXPECT_EQ(slip.status, 2);
  EXPECT_EQ(slip.err, "veltrax-bench: unknown command \"trnasfer\"; did you mean \"transfer\"?\n"
                      "Try 'veltrax-bench --help' for more information.\n");
}

// The device benchmarks still run against the simulated mouse as it is (the
// times themselves are the benchmark's business, not this test's).
TEST(GoalTest, DeviceBenchmarksRunToTheirGoalLines) {
  for (const char* command : {"transfer", "apply"}) {
    const auto run = veltrax::test::RunApart(VELTRAX_BENCH, command);
    EXPECT_EQ(run.status, 0) << command << ": " << run.err;
    EXPECT_THAT(run.out, ::testing::HasSubstr("goal=")) << command;
  }
}

}  // namespace
