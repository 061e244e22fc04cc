// The widget tests need one QApplication for the whole run, and a data
// folder of their own: the window creates its macro library there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

int main(int argc, char** argv) {
  // Test discovery runs the program without the test's environment.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QTemporaryDir dataHome;
  qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
  // The window applies pointer settings: never to the user's desktop or
  // settings file, always to GSettings' memory and a folder of the run's own.
  qputenv("GSETTINGS_BACKEND", "memory");
  QTemporaryDir config;
  qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
