#include "gui/SingleInstance.h"

#include <unistd.h>

#include <QLocalSocket>

namespace veltrax::gui {

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaiseRequest = "raise\n";
}  // namespace

QString SingleInstance::DefaultName() { return QStringLiteral("veltrax-configurator-%1").arg(getuid()); }

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

bool SingleInstance::AskRunningToRaise() {
  if (SendRaise()) return true;
  if (server_.listen(name_)) return false;
  // Either a start racing with this one got there first, or a crashed
  // instance left its socket behind.
  if (SendRaise()) return true;
  QLocalServer::removeServer(name_);
  server_.listen(name_);
  return false;
}

bool SingleInstance::SendRaise() {
  QLocalSocket socket;
  socket.connectToServer(name_);
  if (!socket.waitForConnected(kConnectTimeoutMs)) return false;
  socket.write(kRaiseRequest);
  socket.waitForBytesWritten(kConnectTimeoutMs);
  socket.disconnectFromServer();
  return true;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise")) emit RaiseRequested();
    });
  }
}

}  // namespace veltrax::gui
