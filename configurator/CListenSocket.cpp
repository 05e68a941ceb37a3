#include "configurator/CListenSocket.h"

#include <QTcpSocket>

#include "link/ReportLastError.h"
#include "platform/Beeper.h"

namespace quilby {

CListenSocket::CListenSocket(ModuleView& view, const panel::DerivationConstants& constants,
                             QObject* parent)
    : QObject(parent), view_(view), constants_(constants) {
  connect(&server_, &QTcpServer::newConnection, this, &CListenSocket::onNewConnection);
  connect(&server_, &QTcpServer::acceptError, this, &CListenSocket::onAcceptError);
}

CListenSocket::~CListenSocket() {
  server_.disconnect(this);
  if (current_) {
    current_->disconnect(this);
    delete current_;
  }
}

bool CListenSocket::create(quint16 port, const QHostAddress& address) {
  // Qt binds and listens in one call; a port that cannot be had is the
  // socket's creation failing, anything else the listen.
  server_.setListenBacklogSize(1);
  // Only one caller is taken off the queue while one is served.
  server_.setMaxPendingConnections(1);
  if (server_.listen(address, port)) return true;
  switch (server_.serverError()) {
    case QAbstractSocket::AddressInUseError:
    case QAbstractSocket::SocketAccessError:
    case QAbstractSocket::SocketAddressNotAvailableError:
    case QAbstractSocket::UnsupportedSocketOperationError:
    case QAbstractSocket::SocketResourceError:
      panel::ReportLastError(tr("Create "), server_);
      break;
    default:
      panel::ReportLastError(tr("Listen "), server_);
      break;
  }
  return false;
}

void CListenSocket::onNewConnection() {
  // The caller waits in the queue; onConnectionEnded takes it later.
  if (connected_ || !server_.hasPendingConnections()) return;
  QTcpSocket* caller = server_.nextPendingConnection();
  if (!caller) return;

  auto* connection = new CWorkSocket(caller, view_, constants_, this);
  connect(connection, &CWorkSocket::ended, this, &CListenSocket::onConnectionEnded);
  current_ = connection;

  const QHostAddress peer = caller->peerAddress();
  if (peer.isNull()) panel::ReportLastError(tr("Accept "), *caller);
  // Shown the way the module knows itself, not as an IPv4-mapped v6 address.
  bool isV4 = false;
  const quint32 v4 = peer.toIPv4Address(&isV4);
  peerAddress_ = isV4 ? QHostAddress(v4).toString() : peer.toString();
  peerPort_ = caller->peerPort();

  view_.setTitle(tr("Connected to %1 : %2").arg(peerAddress_).arg(peerPort_));
  platform::Beeper::current().defaultBeep();
  connected_ = true;

  connection->sendChallenge();
}

void CListenSocket::onAcceptError(QAbstractSocket::SocketError) {
  panel::ReportLastError(tr("Accept "), server_);
}

void CListenSocket::onConnectionEnded(bool closing) {
  auto* connection = qobject_cast<CWorkSocket*>(sender());
  if (connection) {
    connection->disconnect(this);
    connection->deleteLater();
  }
  if (connection == current_) current_ = nullptr;

  if (closing) {
    view_.requestClose();
    return;
  }
  view_.setTitle(tr("Disconnected"));
  view_.clearAndDisable();
  platform::Beeper::current().defaultBeep();
  connected_ = false;
  // Whoever called meanwhile has waited long enough.
  if (server_.isListening() && server_.hasPendingConnections()) onNewConnection();
}

void CListenSocket::closeListening() {
  server_.close();
  if (current_) current_->closeConnection();
  view_.setTitle(tr("Disconnected 0"));
}

}  // namespace quilby
