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

bool InputBlocker::eventFilter(QObject* watched, QEvent* event) {
  if (!IsInput(event->type()) || !watched->isWidgetType()) return false;
  QWidget* target = static_cast<QWidget*>(watched)->window();
  // The main window and the windows without a parent of their own (the
  // loading window) are locked; a dialog the flow opened is not.
  const bool dialog = target->windowType() == Qt::Dialog || target->isModal();
  return !dialog;
}

}  // namespace veltrax::gui
