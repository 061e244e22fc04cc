#include "gui/Application.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

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

TEST(AppOptions, SimulateWithAndWithoutStateFile) {
  struct Case {
    std::vector<std::string> args;
    bool ok;
    bool simulate;
    std::string stateFile;
  };
  const Case cases[] = {
      {{}, true, false, ""},
      {{"--simulate"}, true, true, ""},
      {{"--simulate=/tmp/m.bin"}, true, true, "/tmp/m.bin"},
      {{"--simulate", "--sim-fault=mute"}, true, true, ""},
      {{"--sim-fault=mute"}, false, false, ""},
      {{"--bogus"}, false, false, ""},
  };
  for (const Case& c : cases) {
    std::vector<std::string> storage{"veltrax"};
    storage.insert(storage.end(), c.args.begin(), c.args.end());
    std::vector<char*> argv;
    for (std::string& s : storage) argv.push_back(s.data());
    auto parsed = ParseAppOptions(static_cast<int>(argv.size()), argv.data());
    ASSERT_EQ(parsed.ok(), c.ok) << storage.size();
    if (!c.ok) continue;
    EXPECT_EQ(parsed.value().simulate, c.simulate);
    EXPECT_EQ(parsed.value().stateFile, c.stateFile);
  }
}

}  // namespace
}  // namespace veltrax::gui
