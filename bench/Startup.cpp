// veltrax-bench startup: the time from process start to the first painted
// frame of the main window, and the resident memory then, offscreen, with
// the simulated mouse.

#include "Startup.h"

#include <time.h>
#include <unistd.h>

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <cstdio>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "Goal.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"

namespace {

constexpr double kMaxFirstFrameMs = 400;
constexpr double kMaxRssMb = 80;

// Milliseconds since this process started, from the kernel's start time.
double MsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
  // Field 22 (starttime, clock ticks after boot) follows the command name in
  // parentheses, which may itself hold blanks.
  std::istringstream fields(text.substr(text.rfind(')') + 2));
  std::string field;
  for (int i = 3; i <= 22; ++i) fields >> field;
  const double startMs = std::stod(field) * 1000.0 / static_cast<double>(sysconf(_SC_CLK_TCK));
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  return now.tv_sec * 1000.0 + now.tv_nsec / 1e6 - startMs;
}

double ResidentMb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024.0;
  }
  return 0;
}

// Notes the first paint of the window.
class FirstFrame : public QObject {
 public:
  std::optional<double> ms;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !ms) {
      // Measured once the paint has been done.
      QTimer::singleShot(0, this, [this] {
        ms = MsSinceProcessStart();
        QCoreApplication::quit();
      });
    }
    return QObject::eventFilter(watched, event);
  }
};

}  // namespace

int Startup(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication qapp(argc, argv);
  veltrax::gui::InstallFontSubstitutes();
  veltrax::gui::AppOptions options;
  options.simulate = true;
  auto app = veltrax::gui::Application::Create(options);
  if (!app) {
    std::fprintf(stderr, "veltrax-bench: %s\n", app.error().context.c_str());
    return 1;
  }
  FirstFrame firstFrame;
  app.value()->Window().installEventFilter(&firstFrame);
  app.value()->Window().show();
  qapp.exec();
  if (!firstFrame.ms) {
    std::fprintf(stderr, "veltrax-bench: the window never painted\n");
    return 1;
  }
  const double rss = ResidentMb();
  std::printf("first_frame_ms=%.1f rss_mb=%.1f %s\n", *firstFrame.ms, rss,
              GoalText({{"first_frame_ms", *firstFrame.ms, kMaxFirstFrameMs, true}, {"rss_mb", rss, kMaxRssMb, true}})
                  .c_str());
  return 0;
}
