#include <QEnterEvent>

#include "WindowFixture.h"
#include "gui/WindowChrome.h"

namespace veltrax::gui {
namespace {

class ChromeTest : public WindowTest {
 protected:
  void Enter(const QString& name) {
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(Button(name), &enter);
  }
  void Leave(const QString& name) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(Button(name), &leave);
  }
  QString Picture(const QString& name) { return Button(name)->PictureName(); }
  // One tick of LabelRun.
  void Tick() { window_->Chrome().LabelRunTimer(); }
};

TEST_F(ChromeTest, ActionButtonsHoverAsOneAndTheirCaptionRolls) {
  Enter("Btn_Apply_2");
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(Picture(QStringLiteral("Btn_Apply_%1").arg(n)), "BtnS_02");
  EXPECT_TRUE(window_->Chrome().LabelRun().isActive());
  EXPECT_EQ(window_->Chrome().LabelRun().interval(), 200);
  Tick();
  EXPECT_EQ(Button("Btn_Apply_2")->Caption(), "pply    A");
  Tick();
  EXPECT_EQ(Button("Btn_Apply_2")->Caption(), "ply    Ap");
  EXPECT_EQ(Button("Btn_Apply_1")->Caption(), "Apply");
  Leave("Btn_Apply_2");
  EXPECT_FALSE(window_->Chrome().LabelRun().isActive());
  EXPECT_EQ(Button("Btn_Apply_2")->Caption(), "Apply");
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(Picture(QStringLiteral("Btn_Apply_%1").arg(n)), "BtnS_01");
}

TEST_F(ChromeTest, NavigationButtonsHoverAloneAndKeepTheSelection) {
  Enter("Btn_Main_1");
  EXPECT_EQ(Picture("Btn_Main_1"), "SetS_02");
  EXPECT_EQ(Picture("Btn_Main_2"), "SetS_03");
  Leave("Btn_Main_1");
  EXPECT_EQ(Picture("Btn_Main_1"), "SetS_03");
  Enter("Btn_Adv_3");
  EXPECT_EQ(Picture("Btn_Adv_3"), "SetS_02");
  EXPECT_EQ(Picture("Btn_Adv_1"), "SetS_01");
  Leave("Btn_Adv_3");
  EXPECT_EQ(Picture("Btn_Adv_3"), "SetS_01");
  Enter("Btn_Lang1_4");
  Leave("Btn_Lang1_4");
  EXPECT_EQ(Picture("Btn_Lang1_4"), "SetS_03");
}

TEST_F(ChromeTest, WindowButtonsChangeAllCopies) {
  Enter("Btn_Exit_1");
  EXPECT_EQ(Picture("Btn_Exit_4"), "ExitS_02");
  Leave("Btn_Exit_1");
  EXPECT_EQ(Picture("Btn_Exit_4"), "ExitS_01");
  Enter("Btn_Mini_3");
  EXPECT_EQ(Picture("Btn_Mini_1"), "MiniS_02");
  Leave("Btn_Mini_3");
  EXPECT_EQ(Picture("Btn_Mini_1"), "MiniS_01");
}

TEST_F(ChromeTest, CaptionsStayWhenRollingIsOff) {
  window_->Chrome().SetRollingEnabled(false);
  Enter("Btn_Read_1");
  EXPECT_EQ(Picture("Btn_Read_3"), "BtnS_02");
  Tick();
  Tick();
  EXPECT_EQ(Button("Btn_Read_1")->Caption(), "Read");
}

TEST_F(ChromeTest, WebButtonHoversOnlyWithAMouse) {
  Enter("Btn_Web_1");
  EXPECT_EQ(Picture("Btn_Web_2"), "WebS_01");
  Leave("Btn_Web_1");
  ConnectMouse();
  Enter("Btn_Web_1");
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(Picture(QStringLiteral("Btn_Web_%1").arg(n)), "WebS_03");
  Leave("Btn_Web_1");
  EXPECT_EQ(Picture("Btn_Web_1"), "WebS_01");
}

TEST_F(ChromeTest, KeyLabelsHoverTheirOwnPicture) {
  Enter("Key3");
  EXPECT_EQ(Picture("Key3"), "KeyS_02");
  EXPECT_EQ(Picture("Key4"), "KeyS_01");
  Leave("Key3");
  EXPECT_EQ(Picture("Key3"), "KeyS_01");
}

// The language button under the pointer rolls, and gets back on leaving,
// the caption of the language it switched to.
TEST_F(ChromeTest, LanguageSwitchUnderThePointerKeepsTheNewCaption) {
  struct Case {
    const char* button;
    int language;
    const char* caption;
  };
  const Case cases[] = {
      {"Btn_Lang2_1", 2, "繁體中文"}, {"Btn_Lang3_2", 3, "English"}, {"Btn_Lang1_3", 1, "English"}};
  for (const Case& c : cases) {
    Enter(c.button);
    Tick();
    window_->LanguageButtonClick(c.language);
    Tick();
    Leave(c.button);
    EXPECT_EQ(Button(c.button)->Caption(), QString::fromUtf8(c.caption)) << c.button;
  }
  EXPECT_EQ(Button("Btn_Lang2_1")->Caption(), "Chinese");
}

}  // namespace
}  // namespace veltrax::gui
