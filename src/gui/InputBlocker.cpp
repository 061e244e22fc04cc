#include "gui/InputBlocker.h"

#include <QCoreApplication>
#include <QEvent>

namespace veltrax::gui {

namespace {

bool IsInput(QEvent::Type type) {
  switch (type) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu: return true;
    default: return false;
  }
}

}  // namespace

void InputBlocker::SetBlocking(bool blocking) {
  if (blocking == blocking_) return;
  blocking_ = blocking;
  if (blocking) {
    QCoreApplication::instance()->installEventFilter(this);
  } else {
    QCoreApplication::instance()->removeEventFilter(this);
  }
}

bool InputBlocker::MeantForLockedWindow(QWidget* widget) const {
  for (QWidget* window = widget->window(); window;) {
    if (locked_.contains(window)) return true;
    if (window->windowType() == Qt::Dialog || window->isModal()) return false;
    // A pop-up belongs to the window of the widget that opened it.
    window = window->parentWidget() ? window->parentWidget()->window() : nullptr;
  }
  return false;
}

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (!IsInput(event->type()) || !watched->isWidgetType()) return false;
  return MeantForLockedWindow(static_cast<QWidget*>(watched));
}

}  // namespace veltrax::gui
