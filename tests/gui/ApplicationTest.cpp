#include "gui/Application.h"

#include <gtest/gtest.h>

#include <sstream>

#include <QGuiApplication>
#include <QIcon>
#include <QTemporaryDir>

#include "cli/Version.h"
#include "gui/MainWindow.h"
#include "image/DefaultImages.h"

namespace veltrax::gui {
namespace {

TEST(Application, SimulatedMouseStartsFromDefaultImageOne) {
  QTemporaryDir dir;
  AppOptions options;
  options.simulate = true;
  options.stateFile = dir.filePath("mouse.bin").toStdString();
  auto app = Application::Create(options);
  ASSERT_TRUE(app.ok());
  ASSERT_NE(app.value()->Simulated(), nullptr);
  const MemoryImage& memory = app.value()->Simulated()->Memory();
  EXPECT_TRUE(std::equal(memory.begin(), memory.end(), DefaultImage(1).begin()));
  EXPECT_EQ(app.value()->Window().windowTitle(), "VELTRAX Gaming Mouse v1.0 (simulated mouse)");
}

TEST(Application, RaiseBringsBackAMinimisedWindow) {
  AppOptions options;
  options.simulate = true;
  auto app = Application::Create(options);
  ASSERT_TRUE(app.ok());
  MainWindow& window = app.value()->Window();
  window.showMinimized();
  app.value()->Raise();
  EXPECT_TRUE(window.isVisible());
  EXPECT_FALSE(window.isMinimized());
}

TEST(Application, BadFaultOrStateFileIsRefused) {
  AppOptions faulty;
  faulty.simulate = true;
  faulty.faults = {"no-such-fault"};
  EXPECT_FALSE(Application::Create(faulty).ok());

  QTemporaryDir dir;
  const QString path = dir.filePath("short.bin");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("too short");
  file.close();
  AppOptions damaged;
  damaged.simulate = true;
  damaged.stateFile = path.toStdString();
  EXPECT_FALSE(Application::Create(damaged).ok());
}

// The window's class and app id match the installed desktop entry, and
// every window shows the application icon.
TEST(Application, TheWindowBelongsToItsDesktopEntry) {
  SetDesktopIdentity();
  EXPECT_EQ(QGuiApplication::applicationName(), "veltrax");
  EXPECT_EQ(QGuiApplication::desktopFileName(), "org.veltrax.Configurator");
  const QIcon icon = QGuiApplication::windowIcon();
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.availableSizes(), QList<QSize>{QSize(256, 256)});
}

TEST(Application, EngineerOptionShowsTheEngineerPageButtons) {
  for (bool engineer : {false, true}) {
    AppOptions options;
    options.simulate = true;
    options.engineer = engineer;
    auto app = Application::Create(options);
    ASSERT_TRUE(app.ok());
    MainWindow& window = app.value()->Window();
    for (int n = 1; n <= 4; ++n) {
      const auto* button = window.findChild<QWidget*>(QStringLiteral("Btn_Engineer_%1").arg(n));
      ASSERT_NE(button, nullptr);
      EXPECT_EQ(button->isVisibleTo(button->parentWidget()), engineer) << n;
      EXPECT_EQ(button->pos(), QPoint(10, 10));
    }
  }
}

TEST(AppOptions, EngineerIsAnOptionOfItsOwn) {
  const char* argv[] = {"veltrax", "--engineer"};
  std::ostringstream out, err;
  const ParsedOptions parsed = ParseAppOptions(2, argv, out, err);
  ASSERT_TRUE(parsed.options);
  EXPECT_TRUE(parsed.options->engineer);
  EXPECT_FALSE(parsed.options->simulate);
  const char* help[] = {"veltrax", "--help"};
  ParseAppOptions(2, help, out, err);
  EXPECT_NE(out.str().find("--engineer"), std::string::npos);
}

TEST(AppOptions, SimulateWithAndWithoutStateFile) {
  struct Case {
    std::vector<std::string> args;
    int exitStatus;  // -1: the window is to run
    bool simulate;
    std::string stateFile;
    std::string printed;  // on stdout, or on stderr for a usage error
  };
  const Case cases[] = {
      {{}, -1, false, "", ""},
      {{"--simulate"}, -1, true, "", ""},
      {{"--simulate=/tmp/m.bin"}, -1, true, "/tmp/m.bin", ""},
      {{"--simulate", "--sim-fault=mute"}, -1, true, "", ""},
      {{"--sim-fault=mute"}, 2, false, "", "veltrax: --sim-fault needs --simulate\nTry 'veltrax --help' for more information.\n"},
      {{"--simualte"}, 2, false, "", "veltrax: unknown option --simualte; did you mean --simulate?\n"
                                     "Try 'veltrax --help' for more information.\n"},
      {{"--version"}, 0, false, "", "veltrax " + std::string(cli::kVersion) + "\n"},
      {{"--help"}, 0, false, "", "veltrax: the VELTRAX gaming mouse configurator.\nUsage: veltrax [OPTIONS]"},
  };
  for (const Case& c : cases) {
    std::vector<const char*> argv{"veltrax"};
    for (const std::string& arg : c.args) argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const ParsedOptions parsed = ParseAppOptions(static_cast<int>(argv.size()), argv.data(), out, err);
    const std::string line = c.args.empty() ? "(none)" : c.args.front();
    if (c.exitStatus >= 0) {
      EXPECT_FALSE(parsed.options) << line;
      EXPECT_EQ(parsed.exitStatus, c.exitStatus) << line;
      const std::string printed = c.exitStatus == 2 ? err.str() : out.str();
      EXPECT_EQ(printed.substr(0, c.printed.size()), c.printed) << line;
      continue;
    }
    ASSERT_TRUE(parsed.options) << line << err.str();
    EXPECT_EQ(parsed.options->simulate, c.simulate);
    EXPECT_EQ(parsed.options->stateFile, c.stateFile);
    EXPECT_FALSE(parsed.options->engineer);
  }
}

}  // namespace
}  // namespace veltrax::gui
