// veltrax: the VELTRAX gaming mouse configurator window.

#include <QApplication>
#include <cstdio>
#include <iostream>

#include "gui/AppOptions.h"
#include "gui/Application.h"
#include "gui/MainWindow.h"
#include "gui/SingleInstance.h"

int main(int argc, char** argv) {
  using namespace veltrax::gui;
  const ParsedOptions parsed = ParseAppOptions(argc, argv, std::cout, std::cerr);
  if (!parsed.options) return parsed.exitStatus;

  QApplication qapp(argc, argv);
  // A second start raises the running window and shows nothing itself.
  SingleInstance instance;
  if (instance.AskRunningToRaise()) return 0;

  QGuiApplication::setApplicationDisplayName(QStringLiteral("VELTRAX Gaming Mouse"));
  SetDesktopIdentity();
  InstallFontSubstitutes();
  auto app = Application::Create(*parsed.options);
  if (!app) {
    std::fprintf(stderr, "veltrax: %s\n", app.error().context.c_str());
    return 2;
  }
  QObject::connect(&instance, &SingleInstance::RaiseRequested, [&app] { app.value()->Raise(); });
  app.value()->Window().show();
  return qapp.exec();
}
