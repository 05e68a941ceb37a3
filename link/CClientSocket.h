#pragma once

#include <QObject>
#include <QTcpSocket>
#include <array>
#include <string>

#include "core/link/LinkHandshake.h"
#include "link/PanelLink.h"

namespace panel {

// A login-only connection: answers the module's challenge, logs in with the
// access code (mode 0) or an account text (mode 2), reports the verdict and
// carries no frames.
class CClientSocket : public QObject {
  Q_OBJECT
 public:
  static constexpr std::size_t kReadSize = 8;

  CClientSocket(PanelLink& link, int mode, std::string loginText, QObject* parent = nullptr);

  void connectToModule(const QString& host, quint16 port);
  void close() { socket_.abort(); }

  int mode() const { return mode_; }
  int lastResult() const { return lastResult_; }
  bool awaitingChallenge() const { return awaitingChallenge_; }
  QTcpSocket& socket() { return socket_; }

 signals:
  void linkVerdict(int status, int code);

 private:
  void onReadyRead();

  PanelLink& link_;
  QTcpSocket socket_;
  std::array<std::uint8_t, kReadSize> receiveBuffer_{};
  bool awaitingChallenge_ = true;
  std::uint8_t expected_;
  int lastResult_ = 0;
  int mode_;
  std::string loginText_;
};

}  // namespace panel
