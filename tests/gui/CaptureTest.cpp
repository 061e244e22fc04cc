#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <linux/input-event-codes.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "gui/capture/LinuxKeyCodes.h"
#include "gui/capture/WindowCapture.h"
#include "gui/capture/XInputCapture.h"
#include "macro/MacroRecorder.h"

namespace veltrax::gui {
namespace {

using ::testing::ElementsAre;

TEST(LinuxKeyCodesTest, KeysBecomeTheVirtualKeysOfTheirCatalogueRows) {
  const std::pair<int, int> cases[] = {
      {KEY_A, 0x41},       {KEY_Q, 0x51},        {KEY_B, 0x42},         {KEY_Z, 0x5A},       {KEY_1, 0x31},
      {KEY_0, 0x30},       {KEY_F1, 0x70},       {KEY_F12, 0x7B},       {KEY_F13, 0x7C},     {KEY_ENTER, 0x0D},
      {KEY_KPENTER, 0x0D}, {KEY_KP1, 0x61},      {KEY_KP0, 0x60},       {KEY_KPDOT, 0x6E},   {KEY_SPACE, 0x20},
      {KEY_ESC, 0x1B},     {KEY_LEFTCTRL, 0x11}, {KEY_LEFTSHIFT, 0x10}, {KEY_LEFTALT, 0x12}, {KEY_LEFTMETA, 0x5B},
      {KEY_RIGHTMETA, 0x5C}, {KEY_SEMICOLON, 0xBA}, {KEY_GRAVE, 0xC0},  {KEY_MUTE, 0xAD},    {KEY_UP, 0x26},
      {KEY_102ND, 0},      {KEY_POWER, 0},
  };
  for (const auto& [code, vk] : cases) EXPECT_EQ(VirtualKeyOfLinuxKey(code), vk) << "code " << code;
  // The right-hand modifiers have sided rows only; the capture reports them
  // as the generic keys.
  const std::pair<int, int> sided[] = {{KEY_RIGHTCTRL, 0x11}, {KEY_RIGHTSHIFT, 0x10}, {KEY_RIGHTALT, 0x12}};
  for (const auto& [code, vk] : sided) EXPECT_EQ(GenericVirtualKey(VirtualKeyOfLinuxKey(code)), vk) << code;
  EXPECT_EQ(LinuxKeyOfX11KeyCode(56), KEY_B);
}

struct Captured {
  std::vector<std::pair<int, bool>> keys;
  std::vector<std::pair<uint32_t, int>> buttons;

  CaptureSink Sink() {
    return {[this](int vk, bool down) { keys.emplace_back(vk, down); },
            [this](uint32_t message, int xButton) { buttons.emplace_back(message, xButton); }};
  }
};

TEST(WindowCaptureTest, TakesEachKeyAndButtonOfTheWindowOnceAndOnlyWhileRunning) {
  QWidget window;
  window.resize(100, 100);
  window.show();
  auto* child = new QWidget(&window);
  child->setGeometry(10, 10, 50, 50);
  child->show();
  QCoreApplication::processEvents();
  Captured captured;
  WindowCapture capture;
  EXPECT_FALSE(capture.SystemWide());
  QTest::keyClick(window.windowHandle(), Qt::Key_B);
  ASSERT_TRUE(capture.Start(captured.Sink()));
  QTest::keyClick(window.windowHandle(), Qt::Key_B);
  QTest::keyPress(window.windowHandle(), Qt::Key_Control);
  QTest::keyRelease(window.windowHandle(), Qt::Key_Control);
  QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, QPoint(20, 20));
  QTest::mouseClick(window.windowHandle(), Qt::BackButton, {}, QPoint(20, 20));
  capture.Stop();
  QTest::keyClick(window.windowHandle(), Qt::Key_C);
  EXPECT_THAT(captured.keys, ElementsAre(std::pair(0x42, true), std::pair(0x42, false), std::pair(0x11, true),
                                         std::pair(0x11, false)));
  EXPECT_THAT(captured.buttons, ElementsAre(std::pair(mouse_message::kRightDown, 0), std::pair(mouse_message::kRightUp, 0),
                                            std::pair(mouse_message::kExtraDown, 1), std::pair(mouse_message::kExtraUp, 1)));
}

// An X server of the test's own, on a display number it picks itself.
class OwnXServer {
 public:
  OwnXServer() {
    const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
    if (xvfb.isEmpty()) return;
    server_.start(xvfb, {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                         QStringLiteral("640x480x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
    QElapsedTimer waited;
    waited.start();
    while (!server_.canReadLine() && waited.elapsed() < 10000) server_.waitForReadyRead(200);
    const QString number = QString::fromLatin1(server_.readLine()).trimmed();
    if (!number.isEmpty()) display_ = QStringLiteral(":") + number;
  }
  ~OwnXServer() {
    server_.terminate();
    server_.waitForFinished(5000);
  }
  const QString& Display() const { return display_; }

 private:
  QProcess server_;
  QString display_;
};

bool RunXdotool(const QString& display, const QStringList& arguments) {
  QProcess xdotool;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("DISPLAY"), display);
  xdotool.setProcessEnvironment(environment);
  xdotool.start(QStringLiteral("xdotool"), arguments);
  return xdotool.waitForFinished(10000) && xdotool.exitCode() == 0;
}

bool HasXvfbAndXdotool() {
  return !QStandardPaths::findExecutable(QStringLiteral("Xvfb")).isEmpty() &&
         !QStandardPaths::findExecutable(QStringLiteral("xdotool")).isEmpty();
}
constexpr const char* kNeedsXvfb = "needs the Xvfb and xdotool programs (Debian packages xvfb, xdotool)";

TEST(XInputCaptureTest, RecordsKeysAndButtonsSentToTheDesktop) {
  if (!HasXvfbAndXdotool()) GTEST_SKIP() << kNeedsXvfb;
  OwnXServer server;
  ASSERT_FALSE(server.Display().isEmpty()) << "Xvfb did not start";
  QObject uiThread;
  auto capture = XInputCapture::Open(&uiThread, server.Display().toLocal8Bit().constData());
  ASSERT_NE(capture, nullptr) << "no XInput 2 on " << server.Display().toStdString();
  EXPECT_TRUE(capture->SystemWide());

  // The recorder takes what the capture hands it, as the macro page does.
  MacroRecorder recorder([] { return int64_t{0}; });
  KeyDownCounter counter;
  recorder.StartWhole({DelayMode::None, 0, DelayMode::None, 0});
  CaptureSink sink{[&](int vk, bool down) { recorder.KeyboardHook1Receive(vk, counter.OnKeyMessage(down).type); },
                   [&](uint32_t message, int xButton) { recorder.MouseHookProc(message, xButton); }};
  ASSERT_TRUE(capture->Start(sink));
  ASSERT_TRUE(RunXdotool(server.Display(), {QStringLiteral("key"), QStringLiteral("b")}));
  ASSERT_TRUE(RunXdotool(server.Display(), {QStringLiteral("click"), QStringLiteral("3")}));
  ASSERT_TRUE(RunXdotool(server.Display(), {QStringLiteral("key"), QStringLiteral("c")}));
  ASSERT_TRUE(RunXdotool(server.Display(), {QStringLiteral("click"), QStringLiteral("9")}));
  const std::vector<std::string> expected{"1 B CODE:8205",        "2 B CODE:0205",        "1 RightKey CODE:00A2",
                                          "2 RightKey CODE:0022", "1 C CODE:8206",        "2 C CODE:0206",
                                          "1 Forward CODE:00A8",  "2 Forward CODE:0028"};
  QElapsedTimer waited;
  waited.start();
  while (recorder.Rows().rows.rows.size() < expected.size() && waited.elapsed() < 10000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
  }
  capture->Stop();
  recorder.Stop();
  EXPECT_EQ(recorder.Rows().rows.rows, expected);

  // Nothing is taken once the capture has stopped.
  ASSERT_TRUE(RunXdotool(server.Display(), {QStringLiteral("key"), QStringLiteral("d")}));
  QTest::qWait(200);
  EXPECT_EQ(recorder.Rows().rows.rows, expected);
}

// A window that is not on the X server (here: offscreen, as on Wayland)
// records its own input, though an X server with XInput 2 is at hand.
TEST(XInputCaptureTest, AWindowOffTheXServerTakesItsOwnInput) {
  if (!HasXvfbAndXdotool()) GTEST_SKIP() << kNeedsXvfb;
  OwnXServer server;
  ASSERT_FALSE(server.Display().isEmpty()) << "Xvfb did not start";
  const QByteArray oldDisplay = qgetenv("DISPLAY");
  qputenv("DISPLAY", server.Display().toLocal8Bit());
  QObject uiThread;
  const auto capture = MakeInputCapture(&uiThread);
  if (oldDisplay.isNull()) {
    qunsetenv("DISPLAY");
  } else {
    qputenv("DISPLAY", oldDisplay);
  }
  ASSERT_NE(capture, nullptr);
  EXPECT_FALSE(capture->SystemWide());
}

}  // namespace
}  // namespace veltrax::gui
