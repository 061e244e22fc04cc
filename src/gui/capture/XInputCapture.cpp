#include "gui/capture/XInputCapture.h"

#include <poll.h>
#include <unistd.h>

#include <QMetaObject>
#include <cerrno>

#include "gui/capture/LinuxKeyCodes.h"
#include "macro/MacroRecorder.h"

// Last: Xlib defines names such as None and Status as macros.
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

namespace veltrax::gui {
namespace {

constexpr int kFirstExtraButton = 8;   // backward
constexpr int kSecondExtraButton = 9;  // forward

// The button message of an X button, 0 for the wheel and other buttons.
std::pair<uint32_t, int> ButtonMessage(int button, bool down) {
  switch (button) {
    case Button1: return {down ? mouse_message::kLeftDown : mouse_message::kLeftUp, 0};
    case Button2: return {down ? mouse_message::kMiddleDown : mouse_message::kMiddleUp, 0};
    case Button3: return {down ? mouse_message::kRightDown : mouse_message::kRightUp, 0};
    case kFirstExtraButton: return {down ? mouse_message::kExtraDown : mouse_message::kExtraUp, 1};
    case kSecondExtraButton: return {down ? mouse_message::kExtraDown : mouse_message::kExtraUp, 2};
    default: return {0, 0};
  }
}

// Runs `deliver` on the user-interface thread unless the capture has
// stopped by then.
template <class F>
void Hand(QObject* uiThread, const std::shared_ptr<std::atomic<bool>>& live, F deliver) {
  QMetaObject::invokeMethod(
      uiThread,
      [live, deliver = std::move(deliver)] {
        if (live->load()) deliver();
      },
      Qt::QueuedConnection);
}

}  // namespace

std::unique_ptr<XInputCapture> XInputCapture::Open(QObject* uiThread, const char* displayName) {
  Display* display = XOpenDisplay(displayName);
  if (!display) return nullptr;
  int opcode = 0, event = 0, error = 0;
  int major = 2, minor = 0;
  if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
      XIQueryVersion(display, &major, &minor) != Success || major < 2) {
    XCloseDisplay(display);
    return nullptr;
  }
  return std::unique_ptr<XInputCapture>(new XInputCapture(display, opcode, uiThread));
}

XInputCapture::XInputCapture(_XDisplay* display, int opcode, QObject* uiThread)
    : display_(display), opcode_(opcode), uiThread_(uiThread) {}

XInputCapture::~XInputCapture() {
  Stop();
  XCloseDisplay(display_);
}

bool XInputCapture::Select(bool on) {
  unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
  if (on) {
    for (int type : {XI_RawKeyPress, XI_RawKeyRelease, XI_RawButtonPress, XI_RawButtonRelease}) XISetMask(bits, type);
  }
  XIEventMask mask{XIAllMasterDevices, static_cast<int>(sizeof(bits)), bits};
  const bool selected = XISelectEvents(display_, DefaultRootWindow(display_), &mask, 1) == Success;
  XSync(display_, False);
  return selected;
}

bool XInputCapture::Start(CaptureSink sink) {
  Stop();
  if (::pipe(wake_) != 0) return false;
  if (!Select(true)) {
    ::close(wake_[0]);
    ::close(wake_[1]);
    return false;
  }
  if (!sink.key) sink.key = [](int, bool) {};
  if (!sink.button) sink.button = [](uint32_t, int) {};
  live_ = std::make_shared<std::atomic<bool>>(true);
  thread_ = std::thread([this, sink = std::move(sink), live = live_] { Run(sink, live); });
  return true;
}

void XInputCapture::Stop() {
  if (!thread_.joinable()) return;
  live_->store(false);
  const char stop = 0;
  [[maybe_unused]] const ssize_t written = ::write(wake_[1], &stop, 1);
  thread_.join();
  ::close(wake_[0]);
  ::close(wake_[1]);
  Select(false);
  // Events that came in after the last read are not for anyone.
  while (XPending(display_)) {
    XEvent event;
    XNextEvent(display_, &event);
  }
}

void XInputCapture::Run(const CaptureSink& sink, const std::shared_ptr<std::atomic<bool>>& live) {
  pollfd watched[2] = {{ConnectionNumber(display_), POLLIN, 0}, {wake_[0], POLLIN, 0}};
  for (;;) {
    while (XPending(display_)) {
      XEvent event;
      XNextEvent(display_, &event);
      XGenericEventCookie* cookie = &event.xcookie;
      if (cookie->type != GenericEvent || cookie->extension != opcode_ || !XGetEventData(display_, cookie)) continue;
      const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
      const bool down = cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawButtonPress;
      if (cookie->evtype == XI_RawKeyPress || cookie->evtype == XI_RawKeyRelease) {
        const int vk = GenericVirtualKey(VirtualKeyOfLinuxKey(LinuxKeyOfX11KeyCode(raw->detail)));
        Hand(uiThread_, live, [key = sink.key, vk, down] { key(vk, down); });
      } else if (const auto [message, xButton] = ButtonMessage(raw->detail, down); message != 0) {
        Hand(uiThread_, live, [button = sink.button, message, xButton] { button(message, xButton); });
      }
      XFreeEventData(display_, cookie);
    }
    if (::poll(watched, 2, -1) < 0 && errno != EINTR) return;
    if (watched[1].revents != 0) return;
  }
}

}  // namespace veltrax::gui
