#include "gui/RollingCaption.h"

#include <gtest/gtest.h>

namespace veltrax::gui {
namespace {

TEST(RollingCaption, MovesOneCharacterPerStepWithAGapOfFourBlanks) {
  RollingCaption rolling;
  rolling.Start("Btn_Apply_1", "Apply");
  EXPECT_EQ(rolling.Step(), "pply    A");
  EXPECT_EQ(rolling.Step(), "ply    Ap");
  EXPECT_EQ(rolling.Step(), "ly    App");
  EXPECT_EQ(rolling.Original(), "Apply");
  EXPECT_EQ(rolling.Name(), "Btn_Apply_1");
}

TEST(RollingCaption, CounterWrapsToTwoSoTheGapIsNotInsertedAgain) {
  RollingCaption rolling;
  rolling.Start("Btn_Read_1", "Read");
  QString text;
  for (int i = 0; i < 20; ++i) text = rolling.Step();
  EXPECT_EQ(rolling.Counter(), 20);
  text = rolling.Step();
  EXPECT_EQ(rolling.Counter(), 2);
  // Eight characters ("Read" and four blanks) rolled 21 times: no new gap.
  EXPECT_EQ(text.size(), 8);
}

TEST(RollingCaption, RestartingBringsTheCaptionBack) {
  RollingCaption rolling;
  rolling.Start("Btn_Lang2_1", QString::fromUtf8("中文"));
  rolling.Step();
  rolling.Start("Btn_Lang2_1", QString::fromUtf8("中文"));
  EXPECT_EQ(rolling.Counter(), 0);
  EXPECT_EQ(rolling.Step(), QString::fromUtf8("文    中"));
}

TEST(RollingCaption, EmptyCaptionStaysEmpty) {
  RollingCaption rolling;
  rolling.Start("Btn_Exit_1", "");
  EXPECT_EQ(rolling.Step(), "");
}

}  // namespace
}  // namespace veltrax::gui
