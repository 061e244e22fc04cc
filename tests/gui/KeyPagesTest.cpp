#include <QCheckBox>
#include <QLineEdit>
#include <QMouseEvent>

#include "WindowFixture.h"
#include "gui/ComboKeyDialog.h"
#include "gui/FunctionMenuView.h"
#include "gui/KeyPageEditor.h"
#include "gui/MenuPanelView.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"
#include "macro/BaseMacroTable.h"
#include "resources/LayoutTable.h"
#include "resources/BuiltInTexts.h"
#include "macro/MacroName.h"

namespace veltrax::gui {
namespace {

// Rows of the menus as they are shown.
constexpr int kStandard = 0, kSpecial = 1, kMedia = 2, kUserDefined = 5, kBaseMacro = 6;
constexpr int kRightKey = 1;
constexpr int kDpiKey = 0, kFireKey = 1, kAimKey = 2;
constexpr int kMute = 6;

MacroRecord Macro(const char* name, uint8_t playMode) {
  MacroRecord record;
  record.name = MacroNameStrToUnicode(name).value();
  record.content[0] = playMode;
  record.content[1] = 2;
  record.content[2] = 0xA1;
  record.content[3] = MacroChecksum(std::span(record.content).subspan(1, 2));
  return record;
}

class KeyPagesTest : public WindowTest {
 protected:
  KeyPagesTest() { ConnectMouse(); }

  MenuPanelView* Panel(const char* name) const { return window_->findChild<MenuPanelView*>(name); }
  SkinButton* Key(int n) const { return Button(QStringLiteral("Key%1").arg(n)); }
  bool Open(const char* panel) const { return Panel(panel)->isVisibleTo(window_.get()); }
  QRect InWindow(const QWidget* widget) const {
    return QRect(widget->mapTo(window_.get(), QPoint(0, 0)), widget->size());
  }
  // The pointer moves onto a row of an open panel.
  void Hover(const char* panel, int row) {
    MenuPanelView* view = Panel(panel);
    ASSERT_TRUE(view->isVisibleTo(window_.get())) << panel;
    const QPoint at = view->EntryRect(row).center();
    QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(view, &move);
  }
  void ClickRow(const char* panel, int row) {
    Hover(panel, row);
    QTest::mouseClick(Panel(panel), Qt::LeftButton, {}, Panel(panel)->EntryRect(row).center());
    QCoreApplication::processEvents();
  }
  // Opens key label n's menu, hovers the group row of the main menu and
  // clicks a row of its submenu.
  void Choose(int label, int group, const char* submenu, int row) {
    Click(QStringLiteral("Key%1").arg(label));
    Hover("Pnl_Main", group);
    ClickRow(submenu, row);
  }
  std::string CodeOf(KeyProfile profile, int button) {
    return CodeText(window_->State().dataBuf.ButtonCode(profile, button));
  }
  std::string CodeTextOf(KeyProfile profile, int button) {
    return window_->State().controls.codeTexts[AssignTarget{profile, button}.CodeIndex()];
  }
  ComboKeyDialog* Dialog() { return window_->KeyEditor().Dialog(); }
};

TEST_F(KeyPagesTest, MainMenuOpensAtTheLabelsCentreOrLeftAndUpNearTheEdges) {
  struct Case {
    int label;
    QPoint moveTo;  // (0, 0): where the layout puts it
    QPoint menuAt;
  };
  // Main menu 176 x 170 in a 1030 x 662 window; labels 170 x 27.
  const Case cases[] = {
      {1, {}, {204 + 85, 176 + 13}},
      {2, {}, {812 + 85 - 176, 176 + 13}},
      {4, {204, 600}, {204 + 85, 600 + 13 - 170}},
      {5, {812, 600}, {812 + 85 - 176, 600 + 13 - 170}},
  };
  for (const Case& c : cases) {
    if (!c.moveTo.isNull()) Key(c.label)->move(c.moveTo);
    Click(QStringLiteral("Key%1").arg(c.label));
    EXPECT_TRUE(Open("Pnl_Main")) << c.label;
    EXPECT_EQ(Panel("Pnl_Main")->geometry(), QRect(c.menuAt, QSize(176, 170))) << c.label;
  }
}

TEST_F(KeyPagesTest, MenusShowTheLayoutsLookAndTheLanguagesCaptions) {
  Click("Key1");
  const MenuPanelView* main = Panel("Pnl_Main");
  ASSERT_EQ(main->Rows().size(), 7);
  EXPECT_EQ(main->Rows()[0].caption, " * Standard Mouse Key");
  EXPECT_TRUE(main->Rows()[0].marker);
  EXPECT_FALSE(main->Rows()[kUserDefined].marker);
  EXPECT_EQ(main->EntryRect(1), QRect(2, 25, 172, 24));
  EXPECT_EQ(main->font().family(), "Arial Narrow");
  EXPECT_EQ(main->font().pixelSize(), 12);
  Hover("Pnl_Main", kSpecial);
  EXPECT_EQ(Panel("Pnl_Special")->size(), QSize(160, 170));
  window_->LanguageButtonClick(2);
  EXPECT_FALSE(Open("Pnl_Main"));
  EXPECT_EQ(Panel("Pnl_MseKey")->Rows()[0].caption, QString::fromUtf8(" * 左鍵"));
  EXPECT_EQ(Panel("Pnl_MyPC")->Rows().size(), 3);  // E-Mail lies below the panel's edge
}

TEST_F(KeyPagesTest, HoveringOpensAndClosesTheSubmenusAsTheCascadeSays) {
  Click("Key1");
  const QRect main = Panel("Pnl_Main")->geometry();
  Hover("Pnl_Main", kSpecial);
  EXPECT_TRUE(Open("Pnl_Special"));
  EXPECT_EQ(Panel("Pnl_Special")->pos(), QPoint(main.left() + 2 + 172 + 2, main.top() + 1 + 24));
  Hover("Pnl_Special", kDpiKey);
  EXPECT_TRUE(Open("Pnl_CPIKey"));
  EXPECT_TRUE(Open("Pnl_Special"));
  const QRect special = Panel("Pnl_Special")->geometry();
  EXPECT_EQ(Panel("Pnl_CPIKey")->pos(), QPoint(special.left() + 160 + 2, special.top() + 1));
  Hover("Pnl_Special", kFireKey);  // a leaf of Special closes DPI Key
  EXPECT_FALSE(Open("Pnl_CPIKey"));
  EXPECT_TRUE(Open("Pnl_Special"));
  Hover("Pnl_Main", kMedia);  // another group replaces Special
  EXPECT_TRUE(Open("Pnl_Media"));
  EXPECT_FALSE(Open("Pnl_Special"));
  Hover("Pnl_Media", 3);
  EXPECT_TRUE(Open("Pnl_Media"));
  Hover("Pnl_Main", kUserDefined);  // closes every submenu
  for (const char* panel : {"Pnl_MseKey", "Pnl_Special", "Pnl_Media", "Pnl_WWW", "Pnl_MyPC", "LB_Name"}) {
    EXPECT_FALSE(Open(panel)) << panel;
  }
  EXPECT_TRUE(Open("Pnl_Main"));
}

TEST_F(KeyPagesTest, SubmenusOpenLeftOfAMenuNearTheRightEdgeAndBottomAlignedNearTheBottom) {
  Key(6)->move(812, 600);
  Click("Key6");
  const QRect main = Panel("Pnl_Main")->geometry();
  ASSERT_EQ(main.topLeft(), QPoint(721, 443));
  Hover("Pnl_Main", kMedia);
  // Entry 2 lies at 443 + 1 + 48; the 170 high Media menu would pass the
  // window's bottom, so its bottom is aligned with the entry's.
  EXPECT_EQ(Panel("Pnl_Media")->geometry(), QRect(721 - 160, 443 + 1 + 48 + 24 - 170, 160, 170));
  Hover("Pnl_Main", kStandard);
  EXPECT_EQ(Panel("Pnl_MseKey")->pos(), QPoint(721 - 160, 443 + 1));
}

TEST_F(KeyPagesTest, ALeafChangesOnlyTheProfileOnScreen) {
  struct Case {
    const char* page;
    KeyProfile profile;
    int label;
    int group;
    const char* submenu;
    int row;
    const char* name;
    const char* code;
  };
  const Case cases[] = {
      {"Btn_Main_1", KeyProfile::ModeA, 2, kStandard, "Pnl_MseKey", kRightKey, "Right Key", "010200"},
      {"Btn_Second_1", KeyProfile::ModeB, 3, kMedia, "Pnl_Media", kMute, "Mute", "0300E2"},
  };
  for (const Case& c : cases) {
    const KeyProfile other = c.profile == KeyProfile::ModeA ? KeyProfile::ModeB : KeyProfile::ModeA;
    const std::string otherCode = CodeOf(other, c.label);
    Click(c.page);
    Choose(c.label, c.group, c.submenu, c.row);
    EXPECT_EQ(Key(c.label)->Caption(), c.name) << c.page;
    EXPECT_EQ(CodeOf(c.profile, c.label), c.code) << c.page;
    EXPECT_EQ(CodeTextOf(c.profile, c.label), c.code) << c.page;
    EXPECT_EQ(CodeOf(other, c.label), otherCode) << c.page;
    EXPECT_FALSE(Open("Pnl_Main"));
  }
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(KeyPagesTest, TheLastLeftKeyStaysWithItsMessage) {
  Choose(1, kStandard, "Pnl_MseKey", kRightKey);
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown[0].text, "Please keep a Left Key");
  EXPECT_FALSE(dialogs_->shown[0].plain);
  EXPECT_EQ(Key(1)->Caption(), "Left Key");
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 1), "010100");
}

TEST_F(KeyPagesTest, AimKeyTakesTheCurrentAimDpiIndex) {
  window_->State().controls.AimDpiIndex = 5;
  Choose(2, kSpecial, "Pnl_Special", kAimKey);
  EXPECT_EQ(Key(2)->Caption(), "AIM Key");
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 2), "0A0500");
}

TEST_F(KeyPagesTest, AChoiceReachesTheMouseOnApplyAndComesBackOnRead) {
  Choose(3, kSpecial, "Pnl_Special", kFireKey);
  Click("Btn_Apply_1");
  ImageState onMouse;
  std::copy(mouse_.Memory().begin(), mouse_.Memory().end(), onMouse.workingImage.begin());
  ImageToDataBuf(onMouse);
  EXPECT_EQ(CodeText(onMouse.dataBuf.ButtonCode(KeyProfile::ModeA, 3)), "0600F0");
  Key(3)->SetCaption("stale");
  Click("Btn_Read_1");
  EXPECT_EQ(Key(3)->Caption(), "Fire Key");
}

// A layout that hides the Macro page button cuts the Base Macro row off the
// main menu, for the pointer and the arrow keys alike.
TEST(FunctionMenus, WithoutTheMacroPageTheMainMenuHasSixRows) {
  QWidget window;
  window.resize(1030, 662);
  FunctionMenuView menus(&window);
  const LayoutTable layout = LayoutTable::Parse("[org1]\nBtn_B11_Enable=0\nM_L_W=176\nSP_L_W=160\nO_L_W=160\n", "org1");
  menus.ApplyLanguage(layout, "Arial", LoadLanguageTable(1));
  menus.OpenAtLabel(AssignTarget{}, QRect(204, 176, 170, 27), nullptr);
  MenuPanelView* main = menus.Panel(MenuPanel::Main);
  EXPECT_EQ(main->Rows().size(), 6);
  EXPECT_EQ(main->geometry(), QRect(289, 189, 176, 146));
  QTest::keyClick(main, Qt::Key_Up);  // from nothing upwards: the last row shown
  EXPECT_EQ(main->HoveredRow(), kUserDefined);
}

TEST_F(KeyPagesTest, BaseMacroRowsReadTheLibraryWhenTheListOpens) {
  Click("Key4");
  Hover("Pnl_Main", kBaseMacro);
  ASSERT_EQ(Panel("LB_Name")->Rows().size(), 1);
  EXPECT_FALSE(Panel("LB_Name")->Rows()[0].enabled);  // an empty library
  MacroLibrary& library = window_->MacroStore().Library();
  library.Record(0) = Macro("Jump", 0);
  library.Record(1) = Macro("Reload", 1);
  Hover("Pnl_Main", kSpecial);
  Hover("Pnl_Main", kBaseMacro);
  ASSERT_EQ(Panel("LB_Name")->Rows().size(), 2);
  EXPECT_EQ(Panel("LB_Name")->Rows()[1].caption, "Reload");
  EXPECT_EQ(Panel("LB_Name")->height(), 2 * 28 + 2);

  ClickRow("LB_Name", 1);
  EXPECT_EQ(Key(4)->Caption(), "Reload");
  // Play mode 1: type 0E, slot 1.
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 4), "0E0121");
  EXPECT_EQ(BaseMacroNamesOf(window_->State().macroBuffer)[0], "Reload");
  EXPECT_EQ(MacroRecord::FromBytes(std::span(window_->State().macroBuffer).first(256)), library.Record(1));
  EXPECT_TRUE(dialogs_->shown.empty());
  // The label keeps the name when the page is shown again.
  Click("Btn_Second_1");
  Click("Btn_Main_1");
  EXPECT_EQ(Key(4)->Caption(), "Reload");
}

TEST_F(KeyPagesTest, BaseMacroWithoutAFreeSlotChangesNothing) {
  window_->MacroStore().Library().Record(0) = Macro("Jump", 0);
  // Seven other buttons play the seven slots.
  for (int k = 1; k <= 7; ++k) {
    const AssignTarget other{k <= 4 ? KeyProfile::ModeB : KeyProfile::ModeA, k <= 4 ? k : k - 3};
    auto code = window_->State().dataBuf.ButtonCode(other.profile, other.button);
    code[0] = 0x06;
    code[1] = static_cast<uint8_t>(k);
    code[2] = 0x21;
    window_->State().controls.codeTexts[other.CodeIndex()] = CodeText(code);
  }
  const std::string before = CodeOf(KeyProfile::ModeA, 6);
  const auto area = window_->State().macroBuffer;
  Click("Key6");
  Hover("Pnl_Main", kBaseMacro);
  ClickRow("LB_Name", 0);
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 6), before);
  EXPECT_EQ(Key(6)->Caption(), "DPI Loop");
  EXPECT_EQ(window_->State().macroBuffer, area);
  EXPECT_TRUE(dialogs_->shown.empty());
  EXPECT_FALSE(Open("LB_Name"));
}

TEST_F(KeyPagesTest, ACombinationMayReplaceTheLastLeftKey) {
  Click("Key1");
  ClickRow("Pnl_Main", kUserDefined);
  EXPECT_FALSE(Open("Pnl_Main"));
  ComboKeyDialog* dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::FramelessWindowHint));
  const QRect main = window_->geometry();
  EXPECT_EQ(dialog->pos(), QPoint(main.left() + (1030 - 530) / 2, main.top() + (662 - 200) / 2 + 40));

  // A key label clicked meanwhile does not change the button being edited.
  Click("Key2");
  window_->HideAllMenu();
  dialog->findChild<QCheckBox*>("CB_Ctrl")->click();
  QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_A);
  auto* confirm = dialog->findChild<SkinButton*>("IB_Confirm");
  QTest::mouseClick(confirm, Qt::LeftButton, {}, confirm->rect().center());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Key(1)->Caption(), "Ctrl+A");
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 1), "020104");
  EXPECT_EQ(Key(2)->Caption(), "Middle Key");
  EXPECT_TRUE(dialogs_->shown.empty());
  // The combination keeps its text across a language switch.
  window_->LanguageButtonClick(2);
  EXPECT_EQ(Key(1)->Caption(), "Ctrl+A");
}

TEST_F(KeyPagesTest, TheCrossClosesTheDialogWithoutAResult) {
  Click("Key3");
  ClickRow("Pnl_Main", kUserDefined);
  ComboKeyDialog* dialog = Dialog();
  ASSERT_NE(dialog, nullptr);
  QTest::keyClick(dialog->findChild<QLineEdit*>("Edt_Assembly"), Qt::Key_F1);
  auto* close = dialog->findChild<SkinButton*>("IB_Close");
  QTest::mouseClick(close, Qt::LeftButton, {}, close->rect().center());
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Key(3)->Caption(), "Right Key");
  EXPECT_EQ(CodeOf(KeyProfile::ModeA, 3), "010200");
}

TEST_F(KeyPagesTest, KeyboardAloneOpensWalksAndChoosesOrEscapes) {
  window_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
  Key(5)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(Key(5), Qt::Key_Return);
  ASSERT_TRUE(Open("Pnl_Main"));
  EXPECT_TRUE(Panel("Pnl_Main")->hasFocus());
  QTest::keyClick(Panel("Pnl_Main"), Qt::Key_Down);
  QTest::keyClick(Panel("Pnl_Main"), Qt::Key_Down);  // Special Key
  EXPECT_TRUE(Open("Pnl_Special"));
  QTest::keyClick(Panel("Pnl_Main"), Qt::Key_Right);
  EXPECT_TRUE(Panel("Pnl_Special")->hasFocus());
  EXPECT_TRUE(Open("Pnl_CPIKey"));  // its first row is DPI Key
  QTest::keyClick(Panel("Pnl_Special"), Qt::Key_Down);
  EXPECT_FALSE(Open("Pnl_CPIKey"));
  QTest::keyClick(Panel("Pnl_Special"), Qt::Key_Return);
  EXPECT_EQ(Key(5)->Caption(), "Fire Key");
  EXPECT_TRUE(Key(5)->hasFocus());

  QTest::keyClick(Key(5), Qt::Key_Space);
  ASSERT_TRUE(Open("Pnl_Main"));
  QTest::keyClick(Panel("Pnl_Main"), Qt::Key_Escape);
  EXPECT_FALSE(Open("Pnl_Main"));
  EXPECT_TRUE(Key(5)->hasFocus());
}

TEST_F(KeyPagesTest, PageSwitchesBackgroundAndOtherControlsCloseTheMenus) {
  const std::function<void()> closers[] = {
      [this] { Click("Btn_Second_1"); },
      [this] { QTest::mouseClick(Widget("Img_Base_1"), Qt::LeftButton, {}, QPoint(600, 640)); },
      [this] { window_->LanguageButtonClick(3); },
      [this] { Click("Btn_Lang1_1"); },
  };
  for (const auto& close : closers) {
    Click("Key1");
    Hover("Pnl_Main", kSpecial);
    ASSERT_TRUE(Open("Pnl_Special"));
    close();
    for (const char* panel : {"Pnl_Main", "Pnl_Special"}) EXPECT_FALSE(Open(panel)) << panel;
  }
}

TEST_F(KeyPagesTest, OptionLinesToggleTheLongPressOptions) {
  auto* line = Button("IB_ComboKey1");
  auto* picture = window_->findChild<PictureView*>("Img_ComboKey1");
  ASSERT_TRUE(line && picture);
  // The shipped layouts hide both lines.
  EXPECT_FALSE(line->isVisibleTo(line->parentWidget()));
  EXPECT_EQ(line->Caption(), "     Press 'Middle Key' 3s Switch Mode A/Mode B");
  EXPECT_EQ(line->pos(), QPoint(204, 518));
  const bool before = window_->State().controls.cb_MidPress.checked;
  EXPECT_EQ(picture->PictureName(), before ? "CbS_E" : "CbS_D");
  line->show();
  QTest::mouseClick(line, Qt::LeftButton, {}, QPoint(4, 4));
  EXPECT_EQ(window_->State().controls.cb_MidPress.checked, !before);
  EXPECT_EQ(picture->PictureName(), before ? "CbS_D" : "CbS_E");
}

}  // namespace
}  // namespace veltrax::gui
