#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

#include "link/PanelLink.h"

namespace panel {

// tarnel's listening socket, where an IP module calls in. One frame-carrying
// connection at a time: a further caller is accepted and dropped at once.
class CListenSocket : public QObject {
  Q_OBJECT
 public:
  explicit CListenSocket(PanelLink& link, QObject* parent = nullptr);

  // False when listening fails; server() then holds the reason.
  bool listen(quint16 port, const QHostAddress& address = QHostAddress::Any);
  QTcpServer& server() { return server_; }

  // Closes the current connection and forgets it (also Disconnect's first step).
  void closeHandling();

  QHostAddress lastPeerAddress() const { return peerAddress_; }
  quint16 lastPeerPort() const { return peerPort_; }

 signals:
  // A caller became the current connection.
  void callerTaken();

 private:
  void onNewConnection();
  void onAcceptError(QAbstractSocket::SocketError error);

  PanelLink& link_;
  QTcpServer server_;
  QHostAddress peerAddress_;
  quint16 peerPort_ = 0;
};

}  // namespace panel
