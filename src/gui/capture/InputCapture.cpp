#include "gui/capture/InputCapture.h"

#include "gui/capture/WindowCapture.h"
#include "gui/capture/XInputCapture.h"

namespace veltrax::gui {

std::unique_ptr<InputCapture> MakeInputCapture(QObject* uiThread) {
  if (auto desktop = XInputCapture::Open(uiThread)) return desktop;
  return MakeWindowCapture();
}

std::unique_ptr<InputCapture> MakeWindowCapture() { return std::make_unique<WindowCapture>(); }

}  // namespace veltrax::gui
