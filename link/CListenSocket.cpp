#include "link/CListenSocket.h"

#include <QTcpSocket>

#include "link/CWorkSocket.h"
#include "link/ReportLastError.h"

namespace panel {

CListenSocket::CListenSocket(PanelLink& link, QObject* parent) : QObject(parent), link_(link) {
  connect(&server_, &QTcpServer::newConnection, this, &CListenSocket::onNewConnection);
  connect(&server_, &QTcpServer::acceptError, this, &CListenSocket::onAcceptError);
}

bool CListenSocket::listen(quint16 port, const QHostAddress& address) {
  return server_.listen(address, port);
}

void CListenSocket::onNewConnection() {
  while (QTcpSocket* caller = server_.nextPendingConnection()) {
    LinkConnection* current = link_.currentConnection();
    // A call-out still connecting holds the line as much as a connected one;
    // one whose peer has closed does not, or a module could not call again
    // until the user disconnects. A GSM call, from dialling to hang-up, holds
    // it too: a caller's frames would mix with the panel's.
    if ((current && current->holdsLine()) || link_.serialTransport() != nullptr) {
      caller->abort();
      caller->deleteLater();
      continue;
    }
    auto* connection = new CWorkSocket(caller, link_);
    link_.setCurrentConnection(connection);
    peerAddress_ = caller->peerAddress();
    peerPort_ = caller->peerPort();
    emit callerTaken();
  }
}

void CListenSocket::onAcceptError(QAbstractSocket::SocketError) {
  ReportLastError(link_.currentConnection() ? tr("Tmp Accept ")
                                            : tr("Accept workSock in CListenSocket"),
                  server_);
}

void CListenSocket::closeHandling() { link_.closeCurrentConnection(); }

}  // namespace panel
