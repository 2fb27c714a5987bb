// One running program per account and data folder, over a local socket.
#include "app/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QTimer>

#include <utility>

namespace novlet {

namespace {

constexpr int kHandOverTimeoutMs = 1000;
const QByteArray kRaiseLine = "raise\n";
const QByteArray kCloseLine = "close\n";
constexpr qint64 kMaxLineLength = 64;

}  // namespace

QString TSingleInstance::ServerName(const QString& userName, const QString& dataFolder) {
  const QByteArray fingerprint = QCryptographicHash::hash(dataFolder.toUtf8(), QCryptographicHash::Sha1).toHex().left(8);
  QString account = userName;
  // The name becomes a file name.
  account.replace(QLatin1Char('/'), QLatin1Char('_'));
  const QString name = QStringLiteral("Corvex Novlet-%1-%2").arg(account, QString::fromLatin1(fingerprint));
  const QString runtimeFolder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  // Without a runtime folder the socket goes to the shared temporary folder.
  return runtimeFolder.isEmpty() ? name : QDir(runtimeFolder).filePath(name);
}

TSingleInstance::TSingleInstance(QString serverName, QObject* parent)
    : QObject(parent), serverName_(std::move(serverName)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::SendToRunningInstance(TInstanceRequest request) const {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(kHandOverTimeoutMs)) return false;
  socket.write(request == TInstanceRequest::Raise ? kRaiseLine : kCloseLine);
  const bool sent = socket.waitForBytesWritten(kHandOverTimeoutMs);
  socket.disconnectFromServer();
  if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kHandOverTimeoutMs);
  return sent;
}

bool TSingleInstance::Listen() {
  server_ = new QLocalServer(this);
  // Only this account may hand requests over.
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(serverName_)) {
    QLocalServer::removeServer(serverName_);
    if (!server_->listen(serverName_)) return false;
  }
  connect(server_, &QLocalServer::newConnection, this, &TSingleInstance::ReadRequests);
  return true;
}

void TSingleInstance::HandleRequests(std::function<void(TInstanceRequest)> handler) {
  handler_ = std::move(handler);
  if (pending_.empty()) return;
  QTimer::singleShot(0, this, [this] {
    const std::vector<TInstanceRequest> requests = std::exchange(pending_, {});
    for (TInstanceRequest request : requests) handler_(request);
  });
}

void TSingleInstance::Deliver(TInstanceRequest request) {
  if (handler_)
    handler_(request);
  else
    pending_.push_back(request);
}

void TSingleInstance::ReadRequests() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    const auto readLines = [this, socket] {
      while (socket->canReadLine()) {
        const QByteArray line = socket->readLine(kMaxLineLength);
        // Anything else is not ours to act on.
        if (line == kRaiseLine) Deliver(TInstanceRequest::Raise);
        if (line == kCloseLine) Deliver(TInstanceRequest::Close);
      }
      if (socket->bytesAvailable() > kMaxLineLength) socket->abort();
    };
    connect(socket, &QLocalSocket::readyRead, this, readLines);
    readLines();
  }
}

}  // namespace novlet
