#include "gui/WindowDragger.h"

#include <QMouseEvent>
#include <QWindow>

namespace veltrax::gui {

bool WindowDragger::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (mouse->button() != Qt::LeftButton) break;
      QWindow* handle = window_->windowHandle();
      if (handle && handle->startSystemMove()) {
        grabOffset_.reset();
      } else {
        grabOffset_ = mouse->globalPosition().toPoint() - window_->pos();
      }
      break;
    }
    case QEvent::MouseMove: {
      auto* mouse = static_cast<QMouseEvent*>(event);
      if (grabOffset_ && (mouse->buttons() & Qt::LeftButton)) {
        window_->move(mouse->globalPosition().toPoint() - *grabOffset_);
      }
      break;
    }
    case QEvent::MouseButtonRelease: grabOffset_.reset(); break;
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace veltrax::gui
