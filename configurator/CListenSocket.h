#pragma once

#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QTcpServer>

#include "configurator/CWorkSocket.h"
#include "configurator/ModuleView.h"
#include "core/link/LinkKeyDerivation.h"

namespace quilby {

// quilby waits here for a module to call in. It serves one module at a
// time: a second caller stays unanswered in the queue and is taken when the
// first connection has ended.
class CListenSocket : public QObject {
  Q_OBJECT
 public:
  CListenSocket(ModuleView& view, const panel::DerivationConstants& constants,
                QObject* parent = nullptr);
  ~CListenSocket() override;

  // Every local address; false after the "Create " or "Listen " box.
  bool create(quint16 port, const QHostAddress& address = QHostAddress::Any);
  bool isListening() const { return server_.isListening(); }
  quint16 port() const { return server_.serverPort(); }

  // The listening socket goes away: the current connection with it.
  void closeListening();

  CWorkSocket* current() const { return current_; }
  bool connected() const { return connected_; }
  QString peerAddressText() const { return peerAddress_; }
  quint16 peerPort() const { return peerPort_; }

 private:
  void onNewConnection();
  void onAcceptError(QAbstractSocket::SocketError error);
  void onConnectionEnded(bool closing);

  QTcpServer server_;
  QPointer<CWorkSocket> current_;
  ModuleView& view_;
  QString peerAddress_;
  quint16 peerPort_ = 0;
  panel::DerivationConstants constants_;
  bool connected_ = false;
};

}  // namespace quilby
