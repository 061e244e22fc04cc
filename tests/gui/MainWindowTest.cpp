#include <QBitmap>
#include <QStatusTipEvent>
#include <filesystem>

#include "WindowFixture.h"
#include "gui/EngineerPage.h"
#include "gui/WindowChrome.h"
#include "image/SectionChecks.h"
#include "macro/MacroName.h"

namespace veltrax::gui {
namespace {

TEST_F(WindowTest, StartsLockedOnModeAInLanguageOneWithTheWatchRunning) {
  EXPECT_EQ(window_->windowTitle(), "VELTRAX Gaming Mouse v1.0 (simulated mouse)");
  EXPECT_EQ(window_->ApplicationTitle(), "KOVA7 Gaming mouse");
  EXPECT_EQ(window_->CurrentLanguage(), 1);
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
  EXPECT_TRUE(window_->PagesLocked());
  for (int n = 1; n <= 4; ++n) EXPECT_TRUE(ShownOnPage(QStringLiteral("Disable_All_%1").arg(n)));
  EXPECT_TRUE(Shown("gbPage1"));
  EXPECT_FALSE(Shown("gbPage2"));
  EXPECT_FALSE(Shown("gbPage6"));
  EXPECT_EQ(window_->size(), QSize(1030, 662));
  EXPECT_EQ(window_->BaseSize(), QSize(1030, 662));
  EXPECT_TRUE(window_->DevTimer().isActive());
  EXPECT_EQ(window_->DevTimer().interval(), 3500);
  EXPECT_EQ(Button("Btn_Main_3")->PictureName(), "SetS_03");
  EXPECT_EQ(Button("Btn_Second_3")->PictureName(), "SetS_01");
  EXPECT_EQ(Button("Btn_Lang1_2")->PictureName(), "SetS_03");
  EXPECT_EQ(Button("Btn_Apply_4")->PictureName(), "BtnS_01");
  EXPECT_FALSE(ShownOnPage("Btn_Engineer_1"));
  EXPECT_EQ(Button("Btn_Engineer_1")->pos(), QPoint(10, 10));
  // The window takes the outline of the background's non-maroon pixels.
  EXPECT_FALSE(window_->mask().contains(QPoint(0, 0)));
  EXPECT_FALSE(window_->mask().contains(QPoint(1029, 661)));
  EXPECT_TRUE(window_->mask().contains(QPoint(515, 330)));
  EXPECT_TRUE(window_->mask().contains(QPoint(950, 627)));
  // Nothing has been sent to the mouse before the first tick.
  EXPECT_TRUE(mouse_.Log().empty());
}

TEST_F(WindowTest, LockedPagesSwallowClicks) {
  Click("Btn_Adv_1");
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(WindowTest, PageButtonWithoutMouseSaysFindingTheDevice) {
  window_->UnlockPages();
  Click("Btn_Adv_1");
  ASSERT_EQ(dialogs_->shown.size(), 1u);
  EXPECT_EQ(dialogs_->shown[0].text, "Finding the device");
  EXPECT_TRUE(dialogs_->shown[0].plain);
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
}

TEST_F(WindowTest, FirstTickReadsTheMouseAndUnlocks) {
  ConnectMouse();
  const std::vector<Command> log = mouse_.CommandLog();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[0], Command::BeginTransactionCmd);
  EXPECT_EQ(log[1], Command::StatusQueryCmd);
  EXPECT_EQ(log.back(), Command::EndTransactionCmd);
  EXPECT_NE(std::find(log.begin(), log.end(), Command::ReadAddressCmd), log.end());
  EXPECT_FALSE(window_->State().noDevice);
  EXPECT_FALSE(loading_.isVisible());
  EXPECT_TRUE(window_->DevTimer().isActive());
}

TEST_F(WindowTest, NavigationShowsEachPageWithItsPictures) {
  ConnectMouse();
  struct Case {
    const char* button;
    Page page;
    const char* container;
    const char* content;
    const char* picture;
  };
  const Case cases[] = {
      {"Btn_Adv_1", Page::Advanced, "gbPage2", "Img_P2", "L1_Back2"},
      {"Btn_Breath_2", Page::Light, "gbPage3", "Img_P3", "L1_Back3"},
      {"Btn_Macro_3", Page::Macro, "gbPage4", "Img_P4", "L1_Back4"},
      {"Btn_Second_4", Page::ModeB, "gbPage1", "Img_P1", "L1_Back1"},
      {"Btn_Main_1", Page::ModeA, "gbPage1", "Img_P1", "L1_Back1"},
  };
  for (const Case& c : cases) {
    Click(c.button);
    EXPECT_EQ(window_->CurrentPage(), c.page) << c.button;
    EXPECT_TRUE(Shown(c.container)) << c.button;
    for (const char* other : {"gbPage1", "gbPage2", "gbPage3", "gbPage4", "gbPage6"}) {
      if (QLatin1String(other) != QLatin1String(c.container)) {
        EXPECT_FALSE(Shown(other)) << c.button;
      }
    }
    EXPECT_EQ(window_->findChild<PictureView*>(c.content)->PictureName(), c.picture);
    const QString base = QString::fromLatin1(c.button).section('_', 1, 1);
    for (int n = 1; n <= 4; ++n) {
      EXPECT_EQ(Button(QStringLiteral("Btn_%1_%2").arg(base).arg(n))->PictureName(), "SetS_03") << c.button;
    }
  }
  EXPECT_EQ(Button("Btn_Adv_2")->PictureName(), "SetS_01");
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(WindowTest, ModeBShowsProfileBOnTheKeyLabels) {
  ConnectMouse();
  // Button 1 of profile B becomes the right key.
  DataBuf& dataBuf = window_->State().dataBuf;
  auto code = dataBuf.ButtonCode(KeyProfile::ModeB, 1);
  code[0] = 0x01;
  code[1] = 0x02;
  code[2] = 0x00;
  Click("Btn_Main_1");
  EXPECT_EQ(window_->findChild<SkinButton*>("Key1")->Caption(), "Left Key");
  Click("Btn_Second_1");
  EXPECT_TRUE(Shown("gbPage1"));
  EXPECT_EQ(window_->findChild<SkinButton*>("Key1")->Caption(), "Right Key");
}

// A button that plays a base macro shows the macro's name, as veltraxctl
// show names it.
TEST_F(WindowTest, KeyLabelsNameTheBaseMacrosTheirButtonsPlay) {
  auto& memory = mouse_.Memory();
  const MacroNameField name = MacroNameStrToUnicode("Burst").value();
  std::copy(name.begin(), name.end(), memory.begin() + 0x200);  // slot 2
  const uint8_t playsSlot2[] = {0x0E, 0x02, 0x21};
  std::copy(std::begin(playsSlot2), std::end(playsSlot2), memory.begin() + kProfileSection.address + 3 * 2);
  StoreChecksum(std::span(memory).subspan(kProfileSection.address, kProfileSection.length));
  ConnectMouse();
  EXPECT_EQ(Button("Key3")->Caption(), "Burst");
  EXPECT_EQ(Button("Key1")->Caption(), "Left Key");
}

TEST_F(WindowTest, EngineerPageEnlargesTheWindowAndOtherPagesRestoreIt) {
  ConnectMouse();
  window_->PageButtonClick(Page::Engineer);
  EXPECT_EQ(window_->size(), QSize(1076, 640));
  EXPECT_TRUE(Shown("gbPage6"));
  EXPECT_FALSE(Shown("gbPage1"));
  EXPECT_TRUE(window_->mask().isEmpty());
  window_->PageButtonClick(Page::Light);
  EXPECT_EQ(window_->size(), QSize(1030, 662));
  EXPECT_TRUE(Shown("gbPage3"));
  EXPECT_FALSE(window_->mask().isEmpty());
}

TEST_F(WindowTest, LosingTheMouseLocksAndShowsPageOne) {
  ConnectMouse();
  Click("Btn_Adv_1");
  mouse_.Unplug();
  Tick();
  EXPECT_TRUE(window_->PagesLocked());
  EXPECT_TRUE(window_->State().noDevice);
  EXPECT_TRUE(Shown("gbPage1"));
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
  EXPECT_EQ(Button("Btn_Main_2")->PictureName(), "SetS_03");
  EXPECT_EQ(Button("Btn_Adv_2")->PictureName(), "SetS_01");
  ASSERT_FALSE(dialogs_->shown.empty());
  EXPECT_EQ(dialogs_->shown.back().text, "Waiting to reconnect device\r\r");
  EXPECT_FALSE(dialogs_->shown.back().plain);
}

TEST_F(WindowTest, BackgroundDragsTheWindow) {
  QWidget* background = Widget("Img_Base_1");
  const QPoint before = window_->pos();
  QTest::mousePress(background, Qt::LeftButton, {}, QPoint(300, 300));
  QMouseEvent move(QEvent::MouseMove, QPointF(340, 320), background->mapToGlobal(QPointF(340, 320)), Qt::NoButton,
                   Qt::LeftButton, {});
  QCoreApplication::sendEvent(background, &move);
  QTest::mouseRelease(background, Qt::LeftButton, {}, QPoint(340, 320));
  EXPECT_EQ(window_->pos(), before + QPoint(40, 20));
}

TEST_F(WindowTest, ExitClosesTheWindowAndDropsTheDevice) {
  ConnectMouse();
  Click("Btn_Exit_2");
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_FALSE(window_->DevTimer().isActive());
}

TEST_F(WindowTest, WindowButtonsStayUsableOnLockedPages) {
  ASSERT_TRUE(window_->PagesLocked());
  Click("Btn_Mini_1");
  EXPECT_TRUE(window_->isMinimized());
}

TEST_F(WindowTest, HintsGoToTheStatusLine) {
  QStatusTipEvent tip(QStringLiteral("Writes the settings to the mouse"));
  QCoreApplication::sendEvent(window_.get(), &tip);
  EXPECT_EQ(window_->Engineer()->Content()->text(), "Writes the settings to the mouse");
}

// CheckPCMacro: the window loads the library of the user's data folder, and
// creates it, empty, when it is missing.
TEST(WindowMacroLibrary, LoadedAtStartOrCreatedWhenMissing) {
  const std::filesystem::path file =
      std::filesystem::path(qEnvironmentVariable("XDG_DATA_HOME").toStdString()) / "veltrax" / "VELTRAX-Macro.bin";
  std::filesystem::remove(file);
  VirtualClock clock;
  SimulatedMouse mouse(SimFaults{}, DefaultImage(1));
  DeviceLink link(mouse, clock);
  {
    MainWindow window(link, clock, true);
    EXPECT_EQ(window.MacroStore().Library().Count(), 0);
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(std::filesystem::file_size(file), 25600u);
    EXPECT_EQ(window.MacroStore().Library().AddNew("Jump"), LibraryRefusal::None);
    ASSERT_TRUE(window.MacroStore().Save());
  }
  MainWindow again(link, clock, true);
  EXPECT_EQ(again.MacroStore().Library().Names(), std::vector<std::string>{"Jump"});
  std::filesystem::remove(file);
}

}  // namespace
}  // namespace veltrax::gui
