// veltrax: the VELTRAX gaming mouse configurator window.

#include <QApplication>
#include <cstdio>

#include "gui/AppOptions.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/SingleInstance.h"

int main(int argc, char** argv) {
  using namespace veltrax::gui;
  auto options = ParseAppOptions(argc, argv);
  if (!options) {
    const bool help = options.error().kind == veltrax::ErrorKind::NotFound;
    std::fprintf(help ? stdout : stderr, "%s\n", options.error().context.c_str());
    return help ? 0 : 2;
  }

  QApplication qapp(argc, argv);
  // A second start raises the running window and shows nothing itself.
  SingleInstance instance;
  if (instance.AskRunningToRaise()) return 0;

  QGuiApplication::setApplicationDisplayName(QStringLiteral("VELTRAX Gaming Mouse"));
  InstallFontSubstitutes();
  auto app = Application::Create(options.value());
  if (!app) {
    std::fprintf(stderr, "veltrax: %s\n", app.error().context.c_str());
    return 2;
  }
  QObject::connect(&instance, &SingleInstance::RaiseRequested, [&app] { app.value()->Raise(); });
  app.value()->Window().show();
  return qapp.exec();
}
