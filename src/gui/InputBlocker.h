#pragma once
// While a device flow runs the window keeps painting but takes no input:
// mouse, wheel and key events for the locked windows (the main window and
// the loading window) and for the pop-ups they own are dropped (not
// queued), so no second flow can start. Every dialog, and whatever pop-up
// a dialog opens (a file name completer, a drop-down list), gets its input
// as usual.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace veltrax::gui {

class InputBlocker : public QObject {
 public:
  explicit InputBlocker(QObject* parent) : QObject(parent) {}

  // A window whose input is swallowed while blocking.
  void Lock(QWidget* window) { locked_.append(window); }
  void SetBlocking(bool blocking);
  bool Blocking() const { return blocking_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Whether input for widget would reach a locked window: its own window,
  // or the window that owns its pop-up, up to the first dialog.
  bool MeantForLockedWindow(QWidget* widget) const;

  QList<QPointer<QWidget>> locked_;
  bool blocking_ = false;
};

}  // namespace veltrax::gui
