#pragma once
// One running window per user: the first start listens on a per-user local
// socket; a later start connects, asks the first to raise itself, and exits.

#include <QLocalServer>
#include <QObject>
#include <QString>

namespace veltrax::gui {

class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // The socket name of the current user.
  static QString DefaultName();

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
