#include <QPushButton>
#include <QThread>

#include "WindowFixture.h"
#include "common/DeviceThreadHold.h"
#include "gui/EngineerPage.h"
#include "gui/KeyTestMode.h"

namespace veltrax::gui {
namespace {

using C = Command;

// The visibility changes of the key buttons, as the window's widgets get
// them, and whether they came on the window's thread.
class BlinkRecorder : public QObject {
 public:
  struct Change {
    QString button;
    bool shown;
    friend bool operator==(const Change&, const Change&) = default;
  };
  std::vector<Change> changes;
  bool offThread = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent) {
      changes.push_back({watched->objectName(), event->type() == QEvent::ShowToParent});
      offThread |= QThread::currentThread() != qApp->thread();
    }
    return false;
  }
};

class KeyTestModeTest : public WindowTest {
 protected:
  KeyTestModeTest() {
    ConnectMouse();
    window_->PageButtonClick(Page::Engineer);
    for (int n = 1; n <= 9; ++n) Key(100 + n)->installEventFilter(&recorder_);
    start_ = clock_.NowMs();
  }
  ~KeyTestModeTest() override { clock_.onPause = nullptr; }

  QPushButton* Key(int id) const { return window_->Engineer()->KeyButton(id); }
  QPushButton* TestKeys() const { return window_->findChild<QPushButton*>("btn_TestKeys"); }
  KeyTestMode& Mode() const { return window_->Engineer()->KeyTest(); }
  void Begin() {
    mouse_.ClearLog();
    QTest::mouseClick(TestKeys(), Qt::LeftButton);
    ASSERT_TRUE(Mode().Running());
    EXPECT_EQ(Mode().TestTimer().interval(), 1000);
    // The seconds pass when the test says so.
    Mode().TestTimer().setInterval(3600 * 1000);
  }
  // One second of TestTimer; the caption it leaves.
  QString Tick() {
    Mode().TestTimerTimer();
    return TestKeys()->text();
  }
  // The remaining idle seconds, then the end of the flow.
  void RunOut() {
    for (int i = 0; i < 7 && Mode().TestTimer().isActive(); ++i) Tick();
    EXPECT_FALSE(Mode().TestTimer().isActive());
    // A test that failed to end is ended all the same.
    window_->Runner().RequestStop();
    window_->WaitForFlows();
    EXPECT_FALSE(Mode().Running());
  }
  std::vector<C> Log() const { return mouse_.CommandLog(); }

  BlinkRecorder recorder_;
  int64_t start_ = 0;
};

const QString kCaption = QStringLiteral("Test Keys Position");

TEST_F(KeyTestModeTest, CountsFiveToZeroThenEndsTheTransactionAndWatchesAgain) {
  // The seconds pass while the buttons are being polled.
  test::DeviceThreadHold hold(clock_, start_ + 100);
  Begin();
  QTRY_VERIFY(hold.Holding());
  EXPECT_FALSE(TestKeys()->isEnabled());
  EXPECT_FALSE(window_->DevTimer().isActive());
  EXPECT_TRUE(Mode().TestTimer().isActive());
  EXPECT_TRUE(window_->FlowRunning());
  std::vector<QString> captions;
  for (int i = 0; i < 6; ++i) captions.push_back(Tick());
  EXPECT_EQ(captions, (std::vector<QString>{"5...", "4...", "3...", "2...", "1...", kCaption}));
  EXPECT_FALSE(Mode().TestTimer().isActive());
  hold.Release();
  window_->WaitForFlows();
  const std::vector<C> log = Log();
  ASSERT_GE(log.size(), 10u);
  EXPECT_EQ(log.front(), C::BeginTransactionCmd);
  EXPECT_EQ(std::count(log.begin(), log.end(), C::StatusQueryCmd), static_cast<long>(log.size()) - 3);
  EXPECT_EQ(std::vector<C>(log.end() - 2, log.end()), (std::vector<C>{C::SystemReloadCmd, C::EndTransactionCmd}));
  EXPECT_TRUE(TestKeys()->isEnabled());
  EXPECT_EQ(TestKeys()->text(), kCaption);
  EXPECT_TRUE(window_->DevTimer().isActive());
  EXPECT_TRUE(recorder_.changes.empty());
}

TEST_F(KeyTestModeTest, HeldButtonsBlinkInBitOrderOnTheWindowsThread) {
  mouse_.HoldButtons(0x004 | 0x001, 1);  // right and left, for one poll
  Begin();
  QTRY_COMPARE_WITH_TIMEOUT(recorder_.changes.size(), 8u, 10000);
  using Ch = BlinkRecorder::Change;
  const std::vector<Ch> expected{{"btn_Key101", false}, {"btn_Key101", true}, {"btn_Key101", false},
                                 {"btn_Key101", true},  {"btn_Key103", false}, {"btn_Key103", true},
                                 {"btn_Key103", false}, {"btn_Key103", true}};
  EXPECT_EQ(recorder_.changes, expected);
  EXPECT_FALSE(recorder_.offThread);
  RunOut();
  for (int n = 1; n <= 9; ++n) EXPECT_TRUE(Key(100 + n)->isVisible()) << n;
  EXPECT_EQ(Log().back(), C::EndTransactionCmd);
}

TEST_F(KeyTestModeTest, APressRestartsTheCountDown) {
  // Held: before the first poll; in the middle of the blink of a left
  // button held for one poll; polling again after it.
  test::DeviceThreadHold hold(clock_, {start_ + 5, start_ + 600, start_ + 2500});
  mouse_.HoldButtons(0x001, 1);
  Begin();
  QTRY_VERIFY(hold.Holding());
  EXPECT_EQ(Tick(), "5...");
  EXPECT_EQ(Tick(), "4...");
  hold.Release();
  QTRY_VERIFY(hold.Holding());
  EXPECT_EQ(Tick(), kCaption);
  hold.Release();
  QTRY_VERIFY(hold.Holding());
  EXPECT_EQ(Tick(), "5...");
  EXPECT_EQ(Tick(), "4...");
  hold.Release();
  RunOut();
  EXPECT_EQ(TestKeys()->text(), kCaption);
}

TEST_F(KeyTestModeTest, ClosingTheWindowEndsTheTestFirst) {
  Begin();
  EXPECT_FALSE(window_->close());
  window_->WaitForFlows();
  EXPECT_FALSE(window_->isVisible());
  EXPECT_FALSE(link_.IsOpen());
  EXPECT_EQ(Log().back(), C::EndTransactionCmd);
}

}  // namespace
}  // namespace veltrax::gui
