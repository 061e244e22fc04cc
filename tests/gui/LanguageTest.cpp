#include "WindowFixture.h"
#include "gui/WindowChrome.h"

namespace veltrax::gui {
namespace {

class LanguageTest : public WindowTest {
 protected:
  SkinButton* Key(int n) { return window_->findChild<SkinButton*>(QStringLiteral("Key%1").arg(n)); }
};

TEST_F(LanguageTest, SwitchingChangesCaptionsPicturesAndTitleOnEveryCopy) {
  window_->LanguageButtonClick(2);
  EXPECT_EQ(window_->CurrentLanguage(), 2);
  EXPECT_EQ(window_->ApplicationTitle(), QString::fromUtf8("KOVA7 遊戲滑鼠"));
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(Button(QStringLiteral("Btn_Main_%1").arg(n))->Caption(), QString::fromUtf8("模式A"));
    EXPECT_EQ(Button(QStringLiteral("Btn_Lang2_%1").arg(n))->PictureName(), "SetS_03");
    EXPECT_EQ(Button(QStringLiteral("Btn_Lang1_%1").arg(n))->PictureName(), "SetS_01");
    EXPECT_EQ(window_->findChild<PictureView*>(QStringLiteral("Img_Base_%1").arg(n))->PictureName(),
              "L2_BackGround");
  }
  EXPECT_EQ(window_->findChild<PictureView*>("Img_P1")->PictureName(), "L2_Back1");
  EXPECT_EQ(Button("Btn_Engineer_1")->Caption(), "Engineer");
  // Locked: only page 1 is shown again.
  EXPECT_TRUE(Shown("gbPage1"));
}

TEST_F(LanguageTest, ThirdTableRenamesTheFirstLanguageButton) {
  window_->LanguageButtonClick(3);
  EXPECT_EQ(Button("Btn_Lang1_1")->Caption(), "Japanese");
  EXPECT_EQ(window_->ApplicationTitle(), "BRAVIK-QN512");
  window_->LanguageButtonClick(1);
  EXPECT_EQ(Button("Btn_Lang1_1")->Caption(), "English");
}

TEST_F(LanguageTest, KeyLabelsAreRetranslatedThroughTheirTextId) {
  Key(1)->SetCaption("Left Key");
  Key(2)->SetCaption("Stop");
  Key(3)->SetCaption("Ctrl+Shift+A");
  Key(4)->SetCaption("Back");
  window_->LanguageButtonClick(2);
  EXPECT_EQ(Key(1)->Caption(), QString::fromUtf8("左鍵"));
  EXPECT_EQ(Key(2)->Caption(), QString::fromUtf8("停止記錄"));
  EXPECT_EQ(Key(3)->Caption(), "Ctrl+Shift+A");
  EXPECT_EQ(Key(4)->Caption(), QString::fromUtf8("後退鍵"));
  window_->LanguageButtonClick(1);
  EXPECT_EQ(Key(1)->Caption(), "Left Key");
  EXPECT_EQ(Key(3)->Caption(), "Ctrl+Shift+A");
}

TEST_F(LanguageTest, SwitchingKeepsTheChosenPageOnceAMouseIsThere) {
  ConnectMouse();
  window_->PageButtonClick(Page::Light);
  window_->LanguageButtonClick(3);
  EXPECT_TRUE(Shown("gbPage3"));
  EXPECT_FALSE(Shown("gbPage1"));
  EXPECT_EQ(window_->findChild<PictureView*>("Img_P3")->PictureName(), "L3_Back3");
  EXPECT_EQ(Button("Btn_Breath_1")->PictureName(), "SetS_03");
}

TEST_F(LanguageTest, MessagesFollowTheLanguage) {
  ConnectMouse();
  window_->LanguageButtonClick(2);
  mouse_.Unplug();
  Tick();
  ASSERT_FALSE(dialogs_->shown.empty());
  EXPECT_EQ(dialogs_->shown.back().text, QString::fromUtf8("未偵測到裝置\r\r請確認裝置已連接到USB連接埠"));
}

}  // namespace
}  // namespace veltrax::gui
