#pragma once
// While a device flow runs the window keeps painting but takes no input:
// mouse, wheel and key events for the main and loading windows are dropped
// (not queued), so no second flow can start. Dialogs that the flow opens
// get their input as usual.

#include <QObject>
#include <QWidget>

namespace veltrax::gui {

class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QObject* parent) : QObject(parent) {}

  void SetBlocking(bool blocking);
  bool Blocking() const { return blocking_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool blocking_ = false;
};

}  // namespace veltrax::gui
