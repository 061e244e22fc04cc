#pragma once
// Input capture from the application's own key and mouse-button events,
// for desktops that do not let a program see the input of others (Wayland
// without an X server, or no X server at all).

#include <QObject>

#include "gui/capture/InputCapture.h"

namespace veltrax::gui {

class WindowCapture final : public QObject, public InputCapture {
 public:
  WindowCapture() = default;
  ~WindowCapture() override;

  bool Start(CaptureSink sink) override;
  void Stop() override;
  bool SystemWide() const override { return false; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CaptureSink sink_;
  bool running_ = false;
};

}  // namespace veltrax::gui
