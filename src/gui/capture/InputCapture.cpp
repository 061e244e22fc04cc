#include "gui/capture/InputCapture.h"

#include <QGuiApplication>

#include "gui/capture/WindowCapture.h"
#include "gui/capture/XInputCapture.h"

namespace veltrax::gui {

std::unique_ptr<InputCapture> MakeInputCapture(QObject* uiThread) {
  // The X server sees the input of the desktop only where the window itself
  // is on it: a window on Wayland (beside an X server for older programs)
  // would record nothing from it.
  if (QGuiApplication::platformName() != QLatin1String("xcb")) return MakeWindowCapture();
  if (auto desktop = XInputCapture::Open(uiThread)) return desktop;
  return MakeWindowCapture();
}

std::unique_ptr<InputCapture> MakeWindowCapture() { return std::make_unique<WindowCapture>(); }

}  // namespace veltrax::gui
