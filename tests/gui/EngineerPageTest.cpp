#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QTabWidget>

#include "WindowFixture.h"
#include "gui/ClickArea.h"
#include "gui/LightPage.h"
#include "gui/EngineerPage.h"
#include "gui/KeyPageEditor.h"
#include "gui/MenuPanelView.h"
#include "gui/PictureView.h"
#include "image/FieldConversions.h"
#include "image/SectionChecks.h"
#include "keys/KeyPages.h"
#include "settings/EngineerAccess.h"

namespace veltrax::gui {
namespace {

// The engineer page of a window whose mouse was found and read.
class EngineerPageTest : public WindowTest {
 protected:
  void Open() {
    ConnectMouse();
    window_->PageButtonClick(Page::Engineer);
    ASSERT_EQ(window_->CurrentPage(), Page::Engineer);
  }
  // The factory image changed and its checksums stored, before the mouse is found.
  void ChangeMouse(const std::vector<std::pair<uint16_t, uint8_t>>& bytes) {
    for (const auto& [address, value] : bytes) mouse_.Memory()[address] = value;
    StoreChecksum(std::span(mouse_.Memory()).subspan(0, 48));
    StoreChecksum(std::span(mouse_.Memory()).subspan(0x040, 55));
    StoreChecksum(std::span(mouse_.Memory()).subspan(0x0F0, 11));
  }

  EngineerPage& Page6() const { return *window_->Engineer(); }
  template <class W>
  W* Find(const char* name) const {
    W* widget = window_->findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  // What the user does to a control.
  void Choose(const char* combo, int index) {
    QComboBox* box = Find<QComboBox>(combo);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  void Type(const char* edit, const QString& text) {
    QLineEdit* line = Find<QLineEdit>(edit);
    line->selectAll();
    QTest::keyClicks(line, text);
  }
  void Press(const char* name) {
    QWidget* widget = Find<QWidget>(name);
    QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(8, widget->height() / 2));
    window_->WaitForFlows();
  }
  QString Text(const char* edit) const { return Find<QLineEdit>(edit)->text(); }
  QString Current(const char* combo) const { return Find<QComboBox>(combo)->currentText(); }
  bool Checked(const char* name) const { return Find<QAbstractButton>(name)->isChecked(); }
  bool OnPage(const char* name) const { return Find<QWidget>(name)->isVisibleTo(&Page6()); }
  bool Enabled(const char* name) const { return Find<QWidget>(name)->isEnabled(); }
  QString Caption(const char* button) const { return Find<QPushButton>(button)->text(); }
  // In the open main menu: a group row, then a row of its submenu.
  void ChooseInMenus(int group, const char* submenu, int row) {
    MenuPanelView* main = Find<MenuPanelView>("Pnl_Main");
    ASSERT_TRUE(main->isVisibleTo(window_.get()));
    const QPoint at = main->EntryRect(group).center();
    QMouseEvent move(QEvent::MouseMove, at, main->mapToGlobal(at), Qt::NoButton, Qt::NoButton, {});
    QCoreApplication::sendEvent(main, &move);
    MenuPanelView* panel = Find<MenuPanelView>(submenu);
    ASSERT_TRUE(panel->isVisibleTo(window_.get())) << submenu;
    QTest::mouseClick(panel, Qt::LeftButton, {}, panel->EntryRect(row).center());
  }
};

// Standard Mouse Key > Right Key.
constexpr int kStandardKeys = 0;
constexpr int kRightKey = 1;

TEST_F(EngineerPageTest, ShowsTheValuesTheMouseHolds) {
  // Six levels, 4000 at level 6, level 3 current, key mode B, no save,
  // middle key + CPI off, sensor 90°, 7 LEDs, 5 shots every 80 ms, the
  // middle key's long press.
  ChangeMouse({{0x000, 0x2C}, {0x002, 6}, {0x00B, 8}, {0x030, 2}, {0x031, 0xFD}, {0x034, 0x80}, {0x035, 0x7F},
               {0x003, 0x68}, {0x0F2, 4}, {0x0F8, 10}, {0x001, 0xF9}});
  Open();
  EXPECT_EQ(Current("cb_CPIStep"), "6");
  EXPECT_EQ(Current("cb_CurrentCPI"), "3");
  EXPECT_EQ(Current("cb_CPI6"), "4000");
  EXPECT_TRUE(OnPage("cb_CPI6"));
  EXPECT_FALSE(OnPage("cb_CPI7"));
  EXPECT_FALSE(OnPage("lbl_CPI7"));
  EXPECT_EQ(Current("cb_KeyMode"), "Mode B");
  EXPECT_TRUE(Checked("rb_NoSave"));
  EXPECT_EQ(Text("edt_MCULEDNum"), "7");
  EXPECT_EQ(Current("cb_FireCount"), "5");
  EXPECT_EQ(Text("edt_FireTime"), "10");
  EXPECT_EQ(Current("cb_SensorOri"), QString::fromUtf8("90°"));
  EXPECT_FALSE(Enabled("cb_SensorOri"));
  EXPECT_FALSE(Enabled("lbl_SensorOri"));
  EXPECT_EQ(Text("edt_VendorID"), "255");
  EXPECT_TRUE(Checked("cb_MidPress"));
  EXPECT_FALSE(Checked("rb_MCPIOn"));
  EXPECT_EQ(Caption("btn_Key101"), "Left Key");
  EXPECT_EQ(Caption("btn_Key209"), "Fire Key");
  EXPECT_EQ(Text("edt_VendorID_Rd"), "255");
  EXPECT_TRUE(Find<QLineEdit>("edt_VendorID_Rd")->isReadOnly());
}

TEST_F(EngineerPageTest, LedTypeShowsItsOwnControls) {
  struct Shown {
    const char* name;
    bool smart;  // shown with the smart LED; with the MCU LED the opposite
  };
  const Shown controls[] = {{"gbNorLEDSetting", true},     {"gbNorLEDCPIColor", true}, {"gbNorLEDMode", true},
                            {"edt_KeyMode1R", true},       {"gbMCULEDCurrent", false}, {"gbMCULEDCPIColor", false},
                            {"gbMCULEDControlMode", false}};
  ChangeMouse({{0x000, 0xC5}, {0x032, 0x01}, {0x033, 0xFE}});
  Open();
  for (const Shown& c : controls) {
    QWidget* widget = Find<QWidget>(c.name);
    EXPECT_EQ(widget->isVisibleTo(&Page6()), c.smart) << c.name;
  }
  EXPECT_TRUE(OnPage("edt_KeyMode2R"));
  EXPECT_TRUE(OnPage("gbLCPI"));
  // Unlocked, the type can be switched: the other type's controls show,
  // with the values the controls hold.
  dialogs_->passwords = {QString::fromLatin1(kEngineerAccessCode.data())};
  for (int i = 0; i < 5; ++i) Page6().Img_Logo4DblClick();
  ASSERT_TRUE(Page6().Access().Unlocked());
  Press("rb_MCULED");
  for (const Shown& c : controls) {
    EXPECT_EQ(Find<QWidget>(c.name)->isVisibleTo(&Page6()), !c.smart) << c.name;
  }
  EXPECT_EQ(Text("edt_CPI1G"), "255");
}

TEST_F(EngineerPageTest, EveryEditReachesTheMouseOnApply) {
  Open();
  dialogs_->passwords = {QString::fromLatin1(kEngineerAccessCode.data())};
  for (int i = 0; i < 5; ++i) Page6().Img_Logo4DblClick();
  Choose("cb_CPIStep", 3);  // five levels; level 5 becomes current
  Choose("cb_CPI5", 10);
  Choose("cb_KeyMode", 1);
  Press("rb_LEDOff");
  Press("rb_MCPIOff");
  Press("rb_LCPIOff");
  Press("rb_MCULED6Control");
  Press("cb_MidPress");
  Press("cb_CPIPress");
  Choose("cb_SensorOri", 6);  // XY Swap XY Reverse: code 0
  Press("rb_FireFnOn");
  Press("cb_Mode3");  // no longer offered: the current mode goes back to 1
  Choose("cb_MCULEDCurrentMode", 3);
  Type("edt_MCULEDNum", "12");
  Type("edt_MCULEDCrtStep", "9");
  Type("edt_CPI3G", "300");
  Type("edt_KeyMode2B", "77");
  Choose("cb_FireCount", 3);
  Type("edt_FireTime", "20");
  Type("edt_VendorID", "12");
  Type("edt_ProductID", "256");
  EXPECT_EQ(Text("edt_MCULEDCrtStep"), "7");
  EXPECT_EQ(Text("edt_CPI3G"), "255");
  EXPECT_EQ(Text("edt_ProductID"), "255");
  Press("btn_Write");

  const MemoryImage& m = mouse_.Memory();
  const std::pair<uint16_t, uint8_t> expected[] = {
      {0x000, 0x02},         // M+CPI, L+CPI off, Fn+Left, save, sensor code 0, MCU LED
      {0x001, 0xFB},         // middle and CPI long press
      {0x002, 5},    {0x00A, 10},  {0x030, 4}, {0x031, 0xFB},
      {0x003, 0x10},         // half brightness, 12 LEDs
      {0x004, 0xF7},         // mode 3 not offered
      {0x032, 0xEC}, {0x033, 0x13},  // mode 4, step 7, lights off
      {0x034, 0x80}, {0x021, 255},  {0x019, 77}, {0x0F2, 4}, {0x0F8, 20}, {0x036, 12}, {0x037, 255},
  };
  for (const auto& [address, value] : expected) EXPECT_EQ(m[address], value) << std::hex << address;
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(EngineerPageTest, AimKeyDpiNeedsAnAimKeyButton) {
  Open();
  Choose("cb_AIMKeyValue", 7);
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown[0].text, "Please select a AIM Key in Profile!");
  EXPECT_EQ(Current("cb_AIMKeyValue"), "500");
}

// The double-clicks of engineer access on the banner, as Img_Logo4 gets them.
TEST_F(EngineerPageTest, FifthDoubleClickAsksForTheCodeThatUnlocks) {
  Open();
  auto doubleClick = [&] { QTest::mouseDClick(Page6().Banner(), Qt::LeftButton, {}, QPoint(500, 20)); };
  auto locked = [&] {
    return !Page6().EngineerTabShown() && !OnPage("Btn_Default") && !Enabled("rb_NorLED") && !Enabled("rb_MCULED") &&
           !Enabled("cb_SensorOri") && !Enabled("lbl_SensorOri");
  };
  ASSERT_TRUE(locked());
  dialogs_->passwords = {QStringLiteral("maltrixqphwd"), QString::fromLatin1(kEngineerAccessCode.data())};
  for (int i = 0; i < 4; ++i) doubleClick();
  EXPECT_EQ(dialogs_->passwordsAsked, 0);
  doubleClick();  // the fifth: the code in other letter case is refused
  EXPECT_EQ(dialogs_->passwordsAsked, 1);
  EXPECT_TRUE(locked());
  for (int i = 0; i < 5; ++i) doubleClick();  // the tenth
  EXPECT_EQ(dialogs_->passwordsAsked, 2);
  EXPECT_TRUE(Page6().EngineerTabShown());
  EXPECT_TRUE(OnPage("Btn_Default"));
  EXPECT_TRUE(Enabled("rb_NorLED") && Enabled("rb_MCULED") && Enabled("cb_SensorOri") && Enabled("lbl_SensorOri"));
  doubleClick();  // locks again, without asking
  EXPECT_EQ(dialogs_->passwordsAsked, 2);
  EXPECT_TRUE(locked());
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(EngineerPageTest, KeyButtonsOpenTheMenusAndEditTheirProfile) {
  Open();
  QPushButton* key = Find<QPushButton>("btn_Key205");
  Press("btn_Key205");
  MenuPanelView* main = Find<MenuPanelView>("Pnl_Main");
  ASSERT_TRUE(main->isVisibleTo(window_.get()));
  // Above the button, by its place in the Mode B group and the tab control.
  const QWidget* tabs = Page6().Parameters();
  const int top = key->y() + tabs->y() + Page6().KeyGroup(1)->y() - main->height() + 38;
  EXPECT_EQ(main->pos(), QPoint(key->x() + 10, top));
  EXPECT_LT(main->y(), key->mapTo(window_.get(), QPoint(0, 0)).y());
  ChooseInMenus(kStandardKeys, "Pnl_MseKey", kRightKey);
  EXPECT_FALSE(main->isVisibleTo(window_.get()));
  EXPECT_EQ(key->text(), "Right Key");
  EXPECT_EQ(CodeText(window_->State().dataBuf.ButtonCode(KeyProfile::ModeB, 5)), "010200");
  EXPECT_EQ(Caption("btn_Key105"), "Forward");  // Mode A keeps its own
  // The Mode B page shows it too.
  window_->PageButtonClick(Page::ModeB);
  EXPECT_EQ(Button("Key5")->Caption(), "Right Key");
}

TEST_F(EngineerPageTest, KeyPagesAndEngineerPageShowTheSameButtonsAndOptions) {
  Open();
  // An option line of the key page and the engineer page's check box.
  window_->KeyEditor().ComboKeyOptionClick(ComboKeyOption::CpiKey);
  EXPECT_TRUE(Checked("cb_CPIPress"));
  Press("cb_MidPress");
  EXPECT_EQ(window_->findChild<PictureView*>("Img_ComboKey1")->PictureName(), "CbS_E");
  // The left key stays: a refusal on the engineer page reads as on the key page.
  Press("btn_Key101");
  ChooseInMenus(kStandardKeys, "Pnl_MseKey", kRightKey);
  EXPECT_EQ(Caption("btn_Key101"), "Left Key");
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown[0].text, "Please keep a Left Key");
}

TEST_F(EngineerPageTest, EngineerAdvancedAndLightPagesShowOneState) {
  Open();
  auto picture = [&](const char* name) { return Find<ClickArea>(name)->PictureName(); };
  auto clickOn = [&](const char* name) {
    QWidget* widget = Find<QWidget>(name);
    ASSERT_TRUE(widget->isVisibleTo(window_.get())) << name;
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window_.get(), widget->rect().center()));
  };
  // Edits here show on the other pages at once.
  Press("rb_LEDOff");
  EXPECT_EQ(picture("Img_LEDOff"), "RdS_E");
  EXPECT_EQ(picture("Img_LEDOn"), "RdS_D");
  Type("edt_MCULEDNum", "12");
  EXPECT_EQ(window_->Light()->Bars().countSegment, 9);
  Choose("cb_FireCount", 7);
  EXPECT_EQ(Text("Edt_Repeat1"), "9");
  Choose("cb_CPI2", 10);
  EXPECT_EQ(Find<QLabel>("lbl_DPI2Value")->text(), "6400");

  // Edits there show here, while this page is hidden.
  window_->PageButtonClick(Page::Light);
  clickOn("lbl_LEDOn");
  EXPECT_TRUE(Checked("rb_LEDOn"));
  EXPECT_FALSE(Checked("rb_LEDOff"));
  clickOn("Img_MCULEDNum_1");
  EXPECT_EQ(Text("edt_MCULEDNum"), "4");
  window_->PageButtonClick(Page::Advanced);
  Type("Edt_Repeat1", "5");
  EXPECT_EQ(Current("cb_FireCount"), "5");
  clickOn("Img_DPI2_9");
  EXPECT_EQ(Current("cb_CPI2"), "4000");
  Type("Edt_DelayTime1", "1x2");
  EXPECT_EQ(Text("edt_FireTime"), "12");
}

TEST_F(EngineerPageTest, DefaultRestoresTheBuiltInSectionsAndMarksIt) {
  ChangeMouse({{0x002, 6}});
  Open();
  dialogs_->passwords = {QString::fromLatin1(kEngineerAccessCode.data())};
  for (int i = 0; i < 5; ++i) Page6().Img_Logo4DblClick();
  EXPECT_FALSE(OnPage("Img_Result"));
  Press("Btn_Default");
  EXPECT_EQ(mouse_.Memory()[0x002], 4);
  EXPECT_EQ(Current("cb_CPIStep"), "4");
  EXPECT_TRUE(OnPage("Img_Result"));
  Page6().Img_Logo4DblClick();  // locked again: the button and its mark go
  EXPECT_FALSE(OnPage("Btn_Default"));
  EXPECT_FALSE(OnPage("Img_Result"));
}

TEST_F(EngineerPageTest, PageButtonsLeaveThePageAndItsButtonsRunTheFlows) {
  Open();
  Press("Btn_Breath_6");
  EXPECT_EQ(window_->CurrentPage(), Page::Light);
  EXPECT_EQ(window_->size(), window_->BaseSize());
  window_->PageButtonClick(Page::Engineer);
  Type("edt_FireTime", "33");
  mouse_.ClearLog();
  Press("btn_Write");
  EXPECT_EQ(mouse_.Memory()[0x0F8], 33);
  EXPECT_EQ(mouse_.CommandLog().back(), Command::EndTransactionCmd);
  EXPECT_TRUE(window_->DevTimer().isActive());
}

}  // namespace
}  // namespace veltrax::gui
