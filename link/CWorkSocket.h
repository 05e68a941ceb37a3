#pragma once

#include <QObject>
#include <QTcpSocket>
#include <array>
#include <string>

#include "core/link/FrameDeframer.h"
#include "core/link/LinkHandshake.h"
#include "link/PanelLink.h"

namespace panel {

// One frame-carrying TCP connection. A module that calls in talks plain
// frames at once; when the PC calls out, the module challenges, the PC logs
// in with its password, and everything after the verdict is scrambled.
class CWorkSocket : public QObject, public LinkConnection {
  Q_OBJECT
 public:
  enum class State { AwaitChallenge = 1, AwaitVerdict = 2, Data = 3 };
  static constexpr std::size_t kReceiveBufferSize = 2048;

  // Takes over a connection the listening socket accepted.
  CWorkSocket(QTcpSocket* accepted, PanelLink& link, QObject* parent = nullptr);
  // A connection the PC will open with connectToModule.
  explicit CWorkSocket(PanelLink& link, QObject* parent = nullptr);
  ~CWorkSocket() override;

  // At most 14 characters are sent.
  void setPassword(std::string password);
  void connectToModule(const QString& host, quint16 port);

  State state() const { return state_; }
  bool scrambled() const { return scrambled_; }
  QTcpSocket& socket() { return *socket_; }

  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) override;
  void closeConnection() override;
  bool isOpen() const override;
  bool holdsLine() const override;

 signals:
  // The login's outcome, once per handshake (status 1 accepted, 2 refused).
  void linkVerdict(int status, int code);

 private:
  void wireSocket();
  void onConnected();
  void onReadyRead();
  void onDisconnected();
  void onError(QAbstractSocket::SocketError error);
  void takeChallenge(std::size_t count);
  void takeVerdict(std::size_t count);
  void notifyLinkClosed();

  PanelLink& link_;
  QTcpSocket* socket_;
  std::array<std::uint8_t, kReceiveBufferSize> receiveBuffer_{};
  LinkListener* mainWindow_;
  FrameDeframer deframer_;
  bool scrambled_ = false;
  State state_ = State::Data;
  std::string password_;
  bool everConnected_ = false;
  bool closedLocally_ = false;
  bool closeNotified_ = false;
};

}  // namespace panel
