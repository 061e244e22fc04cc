#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <cstdlib>

#include "WindowFixture.h"
#include "gui/AdvancedPage.h"
#include "gui/ClickArea.h"
#include "gui/ColorChoiceDialog.h"
#include "gui/DpiRows.h"
#include "gui/LightPage.h"
#include "gui/PointerPanel.h"
#include "gui/SegmentBarView.h"
#include "image/SectionChecks.h"
#include "settings/FilePointerStore.h"
#include "settings/GnomePointerStore.h"

namespace veltrax::gui {
namespace {

class SettingsPagesTest : public WindowTest {
 protected:
  // The mouse's image before it is found; the checksums follow.
  void PrepareMouse(const std::function<void(std::array<uint8_t, kMemorySize>&)>& change) {
    change(mouse_.Memory());
    StoreChecksum(std::span(mouse_.Memory()).subspan(0x000, 48));
    StoreChecksum(std::span(mouse_.Memory()).subspan(0x040, 55));
  }
  void Open(Page page) {
    ConnectMouse();
    window_->PageButtonClick(page);
  }
  template <class T = QWidget>
  T* Find(const QString& name) const {
    T* widget = window_->findChild<T*>(name);
    EXPECT_NE(widget, nullptr) << name.toStdString();
    return widget;
  }
  // A click on the widget's centre through the window, as a user's.
  void ClickOn(const QString& name) {
    QWidget* widget = Find(name);
    ASSERT_TRUE(widget->isVisibleTo(window_.get())) << name.toStdString();
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window_.get(), widget->rect().center()));
    QCoreApplication::processEvents();
  }
  void Type(const QString& edit, const char* text) {
    auto* line = Find<QLineEdit>(edit);
    line->setFocus();
    line->selectAll();
    QTest::keyClicks(line, text);
  }
  QString Picture(const QString& name) const { return window_->findChild<ClickArea*>(name)->PictureName(); }
  void Apply() { RunFlow(DeviceFlow::Apply); }
  uint8_t MouseByte(int address) { return mouse_.Memory()[address]; }
};

TEST_F(SettingsPagesTest, AdvancedPageShowsTheMouseAndItsEditsReachItThroughApply) {
  Open(Page::Advanced);
  EXPECT_EQ(Picture("Img_DPI2_5"), "Bar2_E");
  EXPECT_EQ(Picture("Img_DPI2_4"), "Bar2_D") << "slider look";
  EXPECT_EQ(Find<QLabel>("lbl_DPI2Value")->text(), "1600");
  EXPECT_EQ(Picture("Img_DPI1"), "CbS_E");
  EXPECT_FALSE(Find("Bar_DPI5")->isEnabled());
  EXPECT_FALSE(Find("cbb_DPICount")->isVisibleTo(window_.get())) << "language 1: labels add and remove levels";
  EXPECT_EQ(Find<QLineEdit>("Edt_Repeat1")->text(), "3");
  EXPECT_EQ(Find<QLineEdit>("Edt_DelayTime1")->text(), "6");

  ClickOn("lbl_DPI5");
  EXPECT_TRUE(Find("Bar_DPI5")->isEnabled());
  EXPECT_EQ(Picture("Img_DPI5"), "CbS_E");
  ClickOn("Img_DPI2_9");
  EXPECT_EQ(Find<QLabel>("lbl_DPI2Value")->text(), "4000");
  ClickOn("Img_DPI3");
  EXPECT_EQ(Picture("Img_DPI3"), "CbS_E");
  EXPECT_EQ(Picture("Img_DPI5"), "CbS_D");
  Type("Edt_Repeat1", "300");
  EXPECT_EQ(Find<QLineEdit>("Edt_Repeat1")->text(), "127");
  Type("Edt_DelayTime1", "1x2");
  EXPECT_EQ(Find<QLineEdit>("Edt_DelayTime1")->text(), "12") << "letters are dropped";

  Apply();
  EXPECT_EQ(MouseByte(0x002), 5);
  EXPECT_EQ(MouseByte(0x007), 8);
  EXPECT_EQ(MouseByte(0x030), 2);
  EXPECT_EQ(MouseByte(0x0F2), 126);
  EXPECT_EQ(MouseByte(0x0F8), 12);
}

TEST_F(SettingsPagesTest, AdvancedPageWorksWithTheKeyboard) {
  Open(Page::Advanced);
  Find("Bar_DPI1")->setFocus();
  QTest::keyClick(Find("Bar_DPI1"), Qt::Key_Right);
  EXPECT_EQ(Find<QLabel>("lbl_DPI1Value")->text(), "1000");
  QTest::keyClick(Find("Bar_DPI1"), Qt::Key_End);
  EXPECT_EQ(Find<QLabel>("lbl_DPI1Value")->text(), "6400");
  QTest::keyClick(Find("lbl_DPI5"), Qt::Key_Space);
  EXPECT_TRUE(Find("Bar_DPI5")->isEnabled());
  QTest::keyClick(Find("lbl_IsScreen"), Qt::Key_Space);
  EXPECT_FALSE(Find("Bar_ScrSpd")->isEnabled());
  QTest::keyClick(Find("lbl_IsScreen"), Qt::Key_Space);
  EXPECT_TRUE(Find("Bar_ScrSpd")->isEnabled());
}

TEST_F(SettingsPagesTest, LevelCountChoiceWhereTheLayoutShowsIt) {
  Open(Page::Advanced);
  window_->LanguageButtonClick(2);
  auto* count = Find<QComboBox>("cbb_DPICount");
  ASSERT_TRUE(count->isVisibleTo(window_.get()));
  EXPECT_EQ(count->currentText(), "4");
  EXPECT_EQ(Find<QLabel>("lbl_AIMKey")->text(), window_->Text("Str222"));
  count->activated(0);
  EXPECT_EQ(window_->State().controls.LevelCount, 2);
  EXPECT_FALSE(Find("Img_DPI3")->isVisibleTo(window_.get())) << "disabled levels hide their mark";
  ClickOn("lbl_DPI5");
  EXPECT_EQ(window_->State().controls.LevelCount, 2) << "labels do nothing beside the count choice";
}

TEST_F(SettingsPagesTest, AimKeyDpiNeedsAnAimKeyButton) {
  Open(Page::Advanced);
  emit window_->findChild<SegmentBarView*>("Bar_AIMKey")->SegmentClicked(8);
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown[0].text, "Please select a AIM Key in Profile!");
  EXPECT_EQ(window_->findChild<SegmentBarView*>("Bar_AIMKey")->Shown(), 1);
}

TEST_F(SettingsPagesTest, AimKeyDpiReachesEveryAimKeyButton) {
  PrepareMouse([](auto& m) {
    m[0x049] = 0x0A;  // Mode A button 4
    m[0x04A] = 0x03;
    m[0x04B] = 0x00;
  });
  Open(Page::Advanced);
  EXPECT_EQ(Find<QLabel>("lbl_AIMKeyValue")->text(), "1200");
  emit window_->findChild<SegmentBarView*>("Bar_AIMKey")->SegmentClicked(8);
  EXPECT_TRUE(dialogs_->shown.empty());
  EXPECT_EQ(Find<QLabel>("lbl_AIMKeyValue")->text(), "3200");
  Apply();
  EXPECT_EQ(MouseByte(0x04A), 7);
}

TEST_F(SettingsPagesTest, McuLedLevelColoursComeFromTheSystemColourDialog) {
  Open(Page::Advanced);
  dialogs_->nextColor = QColor(18, 52, 86);
  emit window_->findChild<ClickArea*>("lbl_DPI2Col")->Clicked();
  ASSERT_EQ(dialogs_->colorsOffered.size(), 1u);
  EXPECT_EQ(dialogs_->colorsOffered[0], QColor(255, 0, 255)) << "the dialog starts at the level's colour";
  EXPECT_EQ(window_->findChild<ClickArea*>("lbl_DPI2Col")->Swatch(), QColor(18, 52, 86));
  dialogs_->nextColor.reset();
  emit window_->findChild<ClickArea*>("lbl_DPI1Col")->Clicked();
  EXPECT_EQ(window_->findChild<ClickArea*>("lbl_DPI1Col")->Swatch(), QColor(0, 255, 0)) << "cancelled";
  Apply();
  EXPECT_EQ(std::vector<uint8_t>(mouse_.Memory().begin() + 0x01D, mouse_.Memory().begin() + 0x020),
            (std::vector<uint8_t>{18, 52, 86}));
}

class SmartLedTest : public SettingsPagesTest {
 protected:
  void SetUp() override {
    PrepareMouse([](auto& m) {
      m[0x000] |= 0x80;
      m[0x032] = 0x01;
      m[0x033] = 0xFE;
    });
  }
  ColorChoiceDialog* OpenColorChoice(int level) {
    emit window_->findChild<ClickArea*>(QStringLiteral("lbl_DPI%1Col").arg(level))->Clicked();
    return window_->Advanced()->Dpi().ColorDialog();
  }
  void ClickIn(QWidget* dialog, const QString& name) {
    QWidget* w = dialog->findChild<QWidget*>(name);
    ASSERT_NE(w, nullptr) << name.toStdString();
    QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
  }
};

TEST_F(SmartLedTest, LightPageHidesTheMcuLedControlsAndCoversTheirCaptions) {
  Open(Page::Light);
  for (const char* name : {"lbl_LCPIOn", "Img_MCULEDMode2", "Bar_MCULEDStep", "Bar_MCULEDNum"}) {
    EXPECT_FALSE(Find(name)->isVisibleTo(window_.get())) << name;
  }
  for (const char* name : {"lbl_SmartLedEffects", "lbl_SmartLedSpeed", "lbl_SmartLedCount", "lbl_LEDOn",
                           "lbl_MCULED3Control", "IB_Mode1Color"}) {
    EXPECT_TRUE(Find(name)->isVisibleTo(window_.get())) << name;
  }
}

TEST_F(SmartLedTest, ColourChoiceDialogGivesALevelANamedColour) {
  Open(Page::Advanced);
  ColorChoiceDialog* dialog = OpenColorChoice(3);
  ASSERT_NE(dialog, nullptr);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_TRUE(dialog->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->geometry().center(), window_->geometry().center());
  ClickIn(dialog, "cs_DPI6Col");
  EXPECT_EQ(dialog->findChild<ClickArea*>("Img_Mark6")->PictureName(), "CbS_E");
  ClickIn(dialog, "Btn_NorLEDConfirm");
  QCoreApplication::processEvents();
  EXPECT_EQ(window_->Advanced()->Dpi().ColorDialog(), nullptr) << "closed";
  EXPECT_EQ(window_->State().controls.cb_CPIColor[2].itemIndex, 5);
  EXPECT_EQ(window_->findChild<ClickArea*>("lbl_DPI3Col")->Swatch(), QColor(0, 255, 255));

  dialog = OpenColorChoice(3);
  ClickIn(dialog, "cs_DPI1Col");
  ClickIn(dialog, "Btn_NorLEDClear");
  EXPECT_TRUE(dialog->isVisible()) << "Cancel unmarks and stays";
  ClickIn(dialog, "Btn_NorLEDConfirm");
  EXPECT_EQ(window_->State().controls.cb_CPIColor[2].itemIndex, 5);
  dialog = OpenColorChoice(3);
  ClickIn(dialog, "cs_DPI1Col");
  ClickIn(dialog, "Btn_NorLEDClose");
  QCoreApplication::processEvents();
  EXPECT_EQ(window_->State().controls.cb_CPIColor[2].itemIndex, 5) << "the cross takes nothing";
  Apply();
  EXPECT_EQ(MouseByte(0x00F), 5);
}

TEST_F(SettingsPagesTest, LightPageEditsReachTheMouseThroughApply) {
  Open(Page::Light);
  EXPECT_EQ(Picture("Img_LEDOn"), "RdS_E");
  EXPECT_EQ(Picture("Img_MCULEDMode2"), "RdS_E");
  EXPECT_EQ(Picture("Img_MCULEDNum_7"), "Bar1_E");
  for (const char* name : {"lbl_LEDOff", "lbl_MCPIOff", "lbl_LCPIOff", "lbl_NoSaveKeyMode", "lbl_MCULED6Control",
                           "lbl_MCULEDMode6", "Img_MCULEDStep_6", "Img_MCULEDNum_3"}) {
    ClickOn(name);
  }
  EXPECT_EQ(Picture("Img_LEDOff"), "RdS_E");
  EXPECT_EQ(Picture("Img_LEDOn"), "RdS_D");
  EXPECT_EQ(Picture("Img_MCULEDNum_3"), "Bar1_E");
  dialogs_->nextColor = QColor(1, 2, 3);
  ClickOn("IB_Mode2Color");
  Apply();
  EXPECT_EQ(MouseByte(0x032), (5 << 5) | 0x08 | 6) << "step 5, lights off, mode 6";
  EXPECT_EQ(MouseByte(0x000) & 0x0D, 0x08) << "M+CPI off, L+CPI off, no save";
  EXPECT_EQ(MouseByte(0x003), (13 - 6) << 4);
  EXPECT_EQ(std::vector<uint8_t>(mouse_.Memory().begin() + 0x017, mouse_.Memory().begin() + 0x01A),
            (std::vector<uint8_t>{1, 2, 3}));
}

TEST_F(SettingsPagesTest, PointerSettingsApplyOnEveryClickAndWithApply) {
  Open(Page::Advanced);
  auto store = OpenPointerStore(DefaultConfigFolder(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME")));
  ClickOn("Img_Spd8");
  EXPECT_EQ(store->Read(pointer_value::kSensitivity), 14);
  ClickOn("Img_ScrSpd7");
  EXPECT_EQ(store->Read(pointer_value::kScrollLines), 7);
  ClickOn("lbl_IsScreen");
  EXPECT_EQ(store->Read(pointer_value::kScrollLines), -1);
  EXPECT_FALSE(Find("Bar_ScrSpd")->isEnabled());
  ClickOn("lbl_IsScreen");
  EXPECT_EQ(store->Read(pointer_value::kScrollLines), 7);

  store->Write(pointer_value::kSensitivity, 2);  // changed elsewhere meanwhile
  ASSERT_TRUE(store->Apply());
  Apply();
  EXPECT_EQ(store->Read(pointer_value::kSensitivity), 14) << "Apply writes the pages' pointer settings";
  EXPECT_NE(Find<QLabel>("lbl_PointerHint")->text(), "");
}

}  // namespace
}  // namespace veltrax::gui
