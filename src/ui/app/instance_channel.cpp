#include "ui/app/instance_channel.h"

#include <QLocalSocket>

namespace pictavo {
namespace {

constexpr int kTimeoutMilliseconds = 2000;

}  // namespace

InstanceChannel::InstanceChannel(QObject* parent) : QObject(parent) {
  connect(&server_, &QLocalServer::newConnection, this, &InstanceChannel::take_connection);
}

bool InstanceChannel::listen(const QString& socket_path) {
  QLocalServer::removeServer(socket_path);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  return server_.listen(socket_path);
}

bool InstanceChannel::send(const QString& socket_path, const QString& project_file) {
  QLocalSocket socket;
  socket.connectToServer(socket_path);
  if (!socket.waitForConnected(kTimeoutMilliseconds)) return false;
  socket.write(project_file.toUtf8() + '\n');
  const bool sent = socket.waitForBytesWritten(kTimeoutMilliseconds);
  socket.disconnectFromServer();
  return sent;
}

void InstanceChannel::take_connection() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    // The request is one line: the project file, or nothing.
    const auto read_request = [this, socket] {
      if (!socket->canReadLine()) return;
      const QString file = QString::fromUtf8(socket->readLine()).chopped(1);
      socket->disconnectFromServer();
      emit activated(file);
    };
    connect(socket, &QLocalSocket::readyRead, this, read_request);
    read_request();
  }
}

}  // namespace pictavo
