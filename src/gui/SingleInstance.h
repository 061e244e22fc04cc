#pragma once
// One running window per user: the first start listens on a local socket
// in a folder only the user can enter; a later start connects, asks the
// first to raise itself, and exits.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace veltrax::gui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket of the current user: in $XDG_RUNTIME_DIR, or, when that is
  // not set, in a 0700 folder of ours in the user's cache folder. Empty when
  // no such folder can be had: the window then runs without the guard.
  static QString DefaultName();
  // Whether the peer of a connected local socket runs as this process's user.
  static bool PeerIsThisUser(qintptr descriptor);

  explicit SingleInstance(QString name = DefaultName(), QObject* parent = nullptr);

  // True when another instance answered and was asked to raise itself: this
  // process should end. Otherwise this instance now listens for later starts.
  bool AskRunningToRaise();
  bool Listening() const { return server_.isListening(); }

 signals:
  // A later start asked this instance to show its window.
  void RaiseRequested();

 private:
  bool SendRaise();
  void OnNewConnection();

  QString name_;
  QLocalServer server_;
};

}  // namespace veltrax::gui
