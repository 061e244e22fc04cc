#pragma once
// Moves a window while the mouse is held on one of its watched widgets (the
// page backgrounds): a system move where the window system offers one,
// otherwise by following the pointer.

#include <QObject>
#include <QPoint>
#include <QWidget>
#include <optional>

namespace veltrax::gui {

class WindowDragger : public QObject {
 public:
  explicit WindowDragger(QWidget* window) : QObject(window), window_(window) {}

  void Watch(QWidget* widget) { widget->installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
  std::optional<QPoint> grabOffset_;
};

}  // namespace veltrax::gui
