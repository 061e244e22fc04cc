#include <QAbstractItemView>
#include <QCompleter>
#include <QDialog>
#include <QLineEdit>
#include <QStringListModel>
#include <QTemporaryDir>
#include <algorithm>
#include <fstream>

#include "WindowFixture.h"
#include "common/DeviceThreadHold.h"
#include "gui/InputBlocker.h"
#include "gui/WindowChrome.h"

namespace veltrax::gui {
namespace {

class FlowButtonsTest : public WindowTest {
 protected:
  int Count(Command command) const {
    const std::vector<Command> log = mouse_.CommandLog();
    return static_cast<int>(std::count(log.begin(), log.end(), command));
  }
  static std::vector<uint8_t> ReadFile(const QString& path) {
    std::ifstream in(path.toStdString(), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
};

TEST_F(FlowButtonsTest, ActionButtonsWithoutMouseSayFindingTheDevice) {
  window_->UnlockPages();
  for (const char* name : {"Btn_Apply_1", "Btn_Confirm1_2", "Btn_Save_3", "Btn_Load_4"}) {
    dialogs_->shown.clear();
    Click(name);
    ASSERT_EQ(dialogs_->shown.size(), 1u) << name;
    EXPECT_EQ(dialogs_->shown[0].text, "Finding the device") << name;
  }
  EXPECT_TRUE(mouse_.Log().empty());
}

TEST_F(FlowButtonsTest, ApplyWritesAndVerifiesTheWorkingImage) {
  ConnectMouse();
  mouse_.ClearLog();
  Click("Btn_Apply_3");
  EXPECT_EQ(Count(Command::WriteAddressCmd), 1);
  EXPECT_EQ(Count(Command::WriteDataCmd), 342);
  EXPECT_EQ(Count(Command::ReadDataCmd), 342);
  EXPECT_EQ(mouse_.CommandLog().back(), Command::EndTransactionCmd);
  const DeviceImage& image = window_->State().workingImage;
  EXPECT_TRUE(std::equal(image.begin(), image.end(), mouse_.Memory().begin()));
  for (int n = 1; n <= 4; ++n) EXPECT_EQ(Button(QStringLiteral("Btn_Apply_%1").arg(n))->PictureName(), "BtnS_03");
  EXPECT_FALSE(window_->PagesLocked());
  EXPECT_FALSE(loading_.isVisible());
  EXPECT_TRUE(window_->DevTimer().isActive());
  EXPECT_TRUE(dialogs_->shown.empty());
}

TEST_F(FlowButtonsTest, ResetWritesDefaultImageOne) {
  ConnectMouse();
  mouse_.Memory()[0x0F5] ^= 0x11;
  Click("Btn_Confirm1_1");
  EXPECT_TRUE(std::equal(DefaultImage(1).begin(), DefaultImage(1).end(), mouse_.Memory().begin()));
}

TEST_F(FlowButtonsTest, ConfirmWritesThenClosesTheWindow) {
  ConnectMouse();
  mouse_.ClearLog();
  // The shipped layouts keep Confirm outside the window.
  EXPECT_FALSE(Button("Btn_Confirm_2")->isVisibleTo(window_->PageWidget(2)));
  RunFlow(DeviceFlow::Confirm);
  EXPECT_EQ(Count(Command::WriteDataCmd), 342);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(link_.IsOpen());
}

TEST_F(FlowButtonsTest, SaveAndLoadProfileUseTheirFilters) {
  ConnectMouse();
  QTemporaryDir dir;
  dialogs_->nextFile = dir.filePath("mine");
  Click("Btn_Save_1");
  const std::vector<uint8_t> saved = ReadFile(dir.filePath("mine.bin"));
  ASSERT_EQ(saved.size(), 2048u);
  EXPECT_TRUE(std::equal(saved.begin(), saved.end(), mouse_.Memory().begin()));

  std::vector<uint8_t> profile = saved;
  profile[0x0F5] ^= 0x22;
  {
    std::ofstream out(dir.filePath("other.bin").toStdString(), std::ios::binary);
    out.write(reinterpret_cast<const char*>(profile.data()), static_cast<std::streamsize>(profile.size()));
  }
  dialogs_->nextFile = dir.filePath("other.bin");
  Click("Btn_Load_2");
  EXPECT_TRUE(std::equal(profile.begin(), profile.end(), mouse_.Memory().begin()));
  EXPECT_EQ(dialogs_->filters, (std::vector<QString>{"SaveFile(*.bin)", "LoadFile(*.bin)"}));
  EXPECT_EQ(Button("Btn_Load_4")->PictureName(), "SetS_03");
}

TEST_F(FlowButtonsTest, LoadingWindowIsCentredOverTheWindowDuringTransfers) {
  ConnectMouse();
  window_->move(120, 80);
  QCoreApplication::processEvents();
  Click("Btn_Read_1");
  const QRect main = window_->geometry();
  EXPECT_EQ(loading_.pos(), LoadingPosition(main, QSize(206, 196)));
  EXPECT_EQ(loading_.size(), QSize(206, 196));
  EXPECT_TRUE(loading_.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(loading_.isVisible());
}

TEST_F(FlowButtonsTest, WindowPaintsAndTakesNoInputWhileAFlowRuns) {
  ConnectMouse();
  mouse_.ClearLog();
  {
    // Half a second into the write of Apply.
    test::DeviceThreadHold hold(clock_, clock_.NowMs() + 110 + 500);
    ClickOnly("Btn_Apply_2");
    QTRY_VERIFY(hold.Holding());
    EXPECT_TRUE(window_->FlowRunning());
    EXPECT_TRUE(window_->PagesLocked());
    EXPECT_FALSE(window_->DevTimer().isActive());
    QTRY_VERIFY(loading_.isVisible());
    EXPECT_EQ(loading_.pos(), LoadingPosition(window_->geometry(), loading_.size()));
    // Clicks meanwhile are dropped, and so is a second flow.
    ClickOnly("Btn_Adv_2");
    window_->StartFlow(DeviceFlow::Restore2);
    hold.Release();
    window_->WaitForFlows();
  }
  clock_.onPause = nullptr;
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
  EXPECT_EQ(Count(Command::BeginTransactionCmd), 1);
  EXPECT_FALSE(loading_.isVisible());
  EXPECT_TRUE(window_->DevTimer().isActive());
  EXPECT_FALSE(window_->PagesLocked());
}

// Answers the open dialog, and tries a second flow from inside the
// message the first flow shows.
class ReentrantDialogs final : public UserDialogs {
 public:
  MainWindow* window = nullptr;
  SimulatedMouse* mouse = nullptr;
  QString file;
  int messages = 0;
  size_t exchangesBefore = 0;
  size_t exchangesAfter = 0;

  void ShowMessage(const QString&, const QString&) override {
    ++messages;
    exchangesBefore = mouse->Log().size();
    window->StartFlow(DeviceFlow::Apply);
    window->PageButtonClick(Page::Macro);
    exchangesAfter = mouse->Log().size();
  }
  void ShowPlainMessage(const QString&) override {}
  std::optional<QString> PickSaveFile(const QString&) override { return std::nullopt; }
  std::optional<QString> PickOpenFile(const QString&) override { return file; }
};

TEST_F(FlowButtonsTest, NoSecondFlowStartsWhileOneRuns) {
  ConnectMouse();
  QTemporaryDir dir;
  {
    // No type marker: the load is refused with a message inside the flow.
    std::ofstream out(dir.filePath("zero.bin").toStdString(), std::ios::binary);
    const std::vector<char> zeros(2048, 0);
    out.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
  }
  auto dialogs = std::make_unique<ReentrantDialogs>();
  ReentrantDialogs* reentrant = dialogs.get();
  reentrant->window = window_.get();
  reentrant->mouse = &mouse_;
  reentrant->file = dir.filePath("zero.bin");
  window_->SetDialogs(std::move(dialogs));
  Click("Btn_Load_1");
  ASSERT_EQ(reentrant->messages, 1);
  EXPECT_EQ(reentrant->exchangesAfter, reentrant->exchangesBefore);
  EXPECT_EQ(window_->CurrentPage(), Page::ModeA);
  // Once the flow is over the buttons work again.
  window_->PageButtonClick(Page::Macro);
  EXPECT_EQ(window_->CurrentPage(), Page::Macro);
}

// Closes the window from inside the message of a flow.
class ClosingDialogs final : public UserDialogs {
 public:
  MainWindow* window = nullptr;
  QString file;
  bool visibleAfterClose = false;

  void ShowMessage(const QString&, const QString&) override {
    window->close();
    visibleAfterClose = window->isVisible();
  }
  void ShowPlainMessage(const QString&) override {}
  std::optional<QString> PickSaveFile(const QString&) override { return std::nullopt; }
  std::optional<QString> PickOpenFile(const QString&) override { return file; }
};

TEST_F(FlowButtonsTest, ClosingDuringAFlowWaitsForItsEnd) {
  ConnectMouse();
  QTemporaryDir dir;
  {
    std::ofstream out(dir.filePath("zero.bin").toStdString(), std::ios::binary);
    const std::vector<char> zeros(2048, 0);
    out.write(zeros.data(), static_cast<std::streamsize>(zeros.size()));
  }
  auto dialogs = std::make_unique<ClosingDialogs>();
  ClosingDialogs* closing = dialogs.get();
  closing->window = window_.get();
  closing->file = dir.filePath("zero.bin");
  window_->SetDialogs(std::move(dialogs));
  RunFlow(DeviceFlow::LoadProfile);
  EXPECT_TRUE(closing->visibleAfterClose);
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(link_.IsOpen());
}

TEST(InputBlocker, DropsClicksOnTheWindowWhileBlocking) {
  QWidget window;
  SkinButton button("Btn_Apply_1", &window);
  button.resize(110, 27);
  window.show();
  int clicks = 0;
  QObject::connect(&button, &SkinButton::Clicked, [&clicks] { ++clicks; });
  InputBlocker blocker(&window);
  blocker.Lock(&window);
  blocker.SetBlocking(true);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 0);
  blocker.SetBlocking(false);
  QTest::mouseClick(&button, Qt::LeftButton, {}, QPoint(10, 10));
  EXPECT_EQ(clicks, 1);
}

// The file name completer of the Save and Load Profile dialogs is a pop-up
// of its own: it takes keys while a flow holds the window's input, and
// pop-ups of the main window itself stay locked.
TEST(InputBlocker, PopUpsOfADialogWorkWhileBlocking) {
  QWidget window;
  window.show();
  InputBlocker blocker(&window);
  blocker.Lock(&window);
  QDialog dialog(&window);
  auto* name = new QLineEdit(&dialog);
  QStringListModel files({"mine.bin", "mouse.bin"});
  QCompleter completer(&files);
  name->setCompleter(&completer);
  dialog.show();
  dialog.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
  name->setFocus();
  QWidget windowPopUp(&window, Qt::Popup);
  auto* windowEdit = new QLineEdit(&windowPopUp);

  blocker.SetBlocking(true);
  QTest::keyClicks(name, "mi");
  ASSERT_TRUE(completer.popup()->isVisible());
  QTest::keyClick(completer.popup(), Qt::Key_Down);
  QTest::keyClick(completer.popup(), Qt::Key_Return);
  EXPECT_EQ(name->text(), "mine.bin");
  QTest::keyClicks(windowEdit, "x");
  EXPECT_EQ(windowEdit->text(), "");
  blocker.SetBlocking(false);
}

}  // namespace
}  // namespace veltrax::gui
