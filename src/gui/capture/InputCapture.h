#pragma once
// The keyboard and mouse-button input a recording takes, from the whole
// desktop where the system allows it and from the window's own events
// otherwise. It runs only between Start and Stop.

#include <cstdint>
#include <functional>
#include <memory>

class QObject;

namespace veltrax::gui {

// Where captured input goes: on the user-interface thread, in the order it
// happened. Keys as Windows virtual keys with the generic Shift, Ctrl and
// Alt, a held key's auto-repeat as further downs; buttons as the button
// messages of the recorder (0x201 left down ... 0x20C extra up) with the
// extra button's number (1 backward, 2 forward).
struct CaptureSink {
  std::function<void(int virtualKey, bool down)> key;
  std::function<void(uint32_t message, int xButton)> button;
};

class InputCapture {
 public:
  virtual ~InputCapture() = default;
  // Begins delivering to sink; false when the capture could not begin.
  virtual bool Start(CaptureSink sink) = 0;
  // Ends the delivery; nothing reaches the sink afterwards.
  virtual void Stop() = 0;
  // Whether input outside the window is seen too.
  virtual bool SystemWide() const = 0;
};

// The desktop-wide capture when the window is on an X server that offers
// XInput 2, else the window's own events. Keys are handed to the user-interface thread through
// `uiThread`.
std::unique_ptr<InputCapture> MakeInputCapture(QObject* uiThread);
// The window's own events only.
std::unique_ptr<InputCapture> MakeWindowCapture();

}  // namespace veltrax::gui
