#pragma once
// The application object: the HID layer (real or simulated), the one device
// link of the program, the main window and the loading window.

#include <memory>

#include "gui/AppOptions.h"
#include "base/Error.h"
#include "device/DeviceBackend.h"

namespace veltrax::gui {

class LoadingWindow;
class MainWindow;

class Application {
 public:
  // Fails on a bad --sim-fault or an unreadable state file.
  static Result<std::unique_ptr<Application>> Create(const AppOptions& options);
  ~Application();

  MainWindow& Window() { return *window_; }
  LoadingWindow& Loading() { return *loading_; }
  DeviceLink& Link() { return backend_->Link(); }
  SimulatedMouse* Simulated() { return backend_->Simulated(); }

  // Shows the main window and brings it to the front, also when minimised.
  void Raise();

 private:
  Application() = default;

  std::unique_ptr<DeviceBackend> backend_;
  std::unique_ptr<MainWindow> window_;
  std::unique_ptr<LoadingWindow> loading_;
};

// Faces for the fonts the language tables name, where they are not installed.
void InstallFontSubstitutes();

// The id of the desktop entry, which names the installed icon too.
inline constexpr const char* kDesktopId = "org.veltrax.Configurator";

// What ties the window to its desktop entry: the program's name (the X11
// window class, StartupWMClass), the entry's id (the Wayland app id) and
// the application icon on every window.
void SetDesktopIdentity();

}  // namespace veltrax::gui
