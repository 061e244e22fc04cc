#include "gui/SingleInstance.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <cstdio>

namespace veltrax::gui {

namespace {
constexpr int kConnectTimeoutMs = 500;
const QByteArray kRaiseRequest = "raise\n";
const QString kSocketName = QStringLiteral("veltrax-configurator");

// A folder that is ours alone: made when missing, a real folder (no link),
// owned by us and closed to everyone else.
bool MakePrivateFolder(const QString& path) {
  if (!QDir().mkpath(path)) return false;
  const QByteArray native = QFile::encodeName(path);
  struct stat st{};
  if (::lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid()) return false;
  return (st.st_mode & 0777) == 0700 || ::chmod(native.constData(), 0700) == 0;
}

// Not the shared temporary folder, where another user could take the name
// first.
QString SocketFolder() {
  const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtime.startsWith(QLatin1Char('/'))) return runtime;
  QString cache = qEnvironmentVariable("XDG_CACHE_HOME");
  if (!cache.startsWith(QLatin1Char('/'))) cache = QDir::homePath() + QStringLiteral("/.cache");
  const QString folder = cache + QStringLiteral("/veltrax");
  return MakePrivateFolder(folder) ? folder : QString();
}

}  // namespace

QString SingleInstance::DefaultName() {
  const QString folder = SocketFolder();
  return folder.isEmpty() ? QString() : folder + QLatin1Char('/') + kSocketName;
}

bool SingleInstance::PeerIsThisUser(qintptr descriptor) {
  struct ucred peer{};
  socklen_t size = sizeof peer;
  if (::getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED, &peer, &size) != 0) return false;
  return size == sizeof peer && peer.uid == ::geteuid();
}

SingleInstance::SingleInstance(QString name, QObject* parent) : QObject(parent), name_(std::move(name)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
}

bool SingleInstance::AskRunningToRaise() {
  if (name_.isEmpty()) {
    std::fprintf(stderr, "veltrax: no private folder for the single-instance socket; another start opens another window\n");
    return false;
  }
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
    // Only the user's own starts may raise the window.
    if (!PeerIsThisUser(socket->socketDescriptor())) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise")) emit RaiseRequested();
    });
  }
}

}  // namespace veltrax::gui
