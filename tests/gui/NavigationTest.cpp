#include "gui/Navigation.h"

#include <gtest/gtest.h>

namespace veltrax::gui {
namespace {

TEST(Navigation, PageButtonOutcomes) {
  struct Case {
    bool deviceOpen;
    bool noDevice;
    NavigationOutcome outcome;
    Page after;
  };
  const Case cases[] = {
      {false, true, NavigationOutcome::FindingDevice, Page::ModeA},
      {false, false, NavigationOutcome::FindingDevice, Page::ModeA},
      {true, true, NavigationOutcome::Ignored, Page::ModeA},
      {true, false, NavigationOutcome::Switched, Page::Light},
  };
  for (const Case& c : cases) {
    Navigation navigation;
    EXPECT_EQ(navigation.Request(Page::Light, c.deviceOpen, c.noDevice), c.outcome);
    EXPECT_EQ(navigation.CurrentPage(), c.after);
  }
}

TEST(Navigation, ModeAAndModeBShareThePageOfKeys) {
  EXPECT_EQ(ContainerOf(Page::ModeA), 1);
  EXPECT_EQ(ContainerOf(Page::ModeB), 1);
  EXPECT_EQ(ContainerOf(Page::Macro), 4);
  EXPECT_EQ(ContainerOf(Page::Engineer), 6);
  Navigation navigation;
  ASSERT_EQ(navigation.Request(Page::Macro, true, false), NavigationOutcome::Switched);
  navigation.Reset();
  EXPECT_EQ(navigation.CurrentPage(), Page::ModeA);
}

}  // namespace
}  // namespace veltrax::gui
