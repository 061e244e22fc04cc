#include "gui/capture/WindowCapture.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "gui/VirtualKeys.h"
#include "gui/capture/LinuxKeyCodes.h"
#include "macro/MacroRecorder.h"

namespace veltrax::gui {
namespace {

// The button message of a press or release, and the extra button's number.
std::pair<uint32_t, int> ButtonMessage(Qt::MouseButton button, bool down) {
  switch (button) {
    case Qt::LeftButton: return {down ? mouse_message::kLeftDown : mouse_message::kLeftUp, 0};
    case Qt::RightButton: return {down ? mouse_message::kRightDown : mouse_message::kRightUp, 0};
    case Qt::MiddleButton: return {down ? mouse_message::kMiddleDown : mouse_message::kMiddleUp, 0};
    case Qt::BackButton: return {down ? mouse_message::kExtraDown : mouse_message::kExtraUp, 1};
    case Qt::ForwardButton: return {down ? mouse_message::kExtraDown : mouse_message::kExtraUp, 2};
    default: return {0, 0};
  }
}

}  // namespace

WindowCapture::~WindowCapture() { Stop(); }

bool WindowCapture::Start(CaptureSink sink) {
  Stop();
  sink_ = std::move(sink);
  running_ = true;
  QCoreApplication::instance()->installEventFilter(this);
  return true;
}

void WindowCapture::Stop() {
  if (!running_) return;
  running_ = false;
  QCoreApplication::instance()->removeEventFilter(this);
  sink_ = {};
}

bool WindowCapture::eventFilter(QObject* watched, QEvent* event) {
  // Input reaches a window first and then its widgets (and their parents):
  // taken at the window, each event counts once.
  if (!running_ || !watched->isWindowType()) return false;
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      auto* key = static_cast<QKeyEvent*>(event);
      // A held key repeats as releases and presses here; the system-wide
      // capture sees only its further presses, and so does the recorder.
      if (key->isAutoRepeat() && event->type() == QEvent::KeyRelease) break;
      if (sink_.key) sink_.key(GenericVirtualKey(VirtualKeyOf(*key)), event->type() == QEvent::KeyPress);
      break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease: {
      const auto [message, xButton] =
          ButtonMessage(static_cast<QMouseEvent*>(event)->button(), event->type() != QEvent::MouseButtonRelease);
      if (message != 0 && sink_.button) sink_.button(message, xButton);
      break;
    }
    default: break;
  }
  return false;
}

}  // namespace veltrax::gui
