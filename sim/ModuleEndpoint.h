#pragma once

#include <QByteArray>
#include <QObject>
#include <QTcpSocket>
#include <QTimer>
#include <optional>
#include <vector>

#include "core/link/LinkCipher.h"
#include "core/link/LinkHandshake.h"
#include "sim/SlowLink.h"

namespace sim {

// What the simulated IP module answers to a login.
struct LoginPolicy {
  panel::LinkSecrets secrets = panel::DefaultLinkSecrets();
  std::string password = "12345678";
  // Forced verdict bytes for a frame-carrying login; none = judge the login.
  std::optional<std::array<std::uint8_t, 6>> verdict;
  // Forced verdict bytes for a login-only connection; none = judge it.
  std::optional<std::array<std::uint8_t, 6>> loginOnlyVerdict;
};

// The module's end of one TCP connection to the PC. Called-in links carry
// plain frames at once; links the PC opened start with the challenge. On a
// slow path every byte each way, and a hang-up, arrive late.
class ModuleEndpoint : public QObject {
  Q_OBJECT
 public:
  enum class Role { CalledIn, Answering };
  enum class Stage { AwaitLogin, Data, LoginOnlyDone, Closed };

  ModuleEndpoint(QTcpSocket* socket, Role role, const LoginPolicy& policy, LinkShape shape = {},
                 QObject* parent = nullptr);

  // Sends the challenge when answering; call once the signals are connected.
  void start();
  // Writes panel bytes, scrambled when the link is; one byte at a time when split.
  void sendData(std::span<const std::uint8_t> bytes);
  void setSplitWrites(bool split) { splitWrites_ = split; }
  void close();

  Stage stage() const { return stage_; }
  bool scrambled() const { return scrambled_; }
  QHostAddress peerAddress() const { return socket_->peerAddress(); }

 signals:
  // The link carries frames now (after an accepted login, or at once when called in).
  void linkUp();
  // Plain bytes from the PC for the panel.
  void dataReceived(QByteArray bytes);
  void closed();
  // A login-only connection was accepted: the module is to call the PC.
  void loginOnlyAccepted();
  void note(QString line);

 private:
  void onReadyRead();
  void take(QByteArray bytes);
  // Bytes for the socket, once they have crossed the path.
  void writeLate(QByteArray bytes, bool data);
  void takeLogin();
  void sendVerdict(const std::array<std::uint8_t, 6>& verdict);
  void writeWire(QByteArray bytes);
  void drainOneByte();

  QTcpSocket* socket_;
  Role role_;
  LoginPolicy policy_;
  Stage stage_;
  bool scrambled_ = false;
  bool splitWrites_ = false;
  panel::LinkCipher cipher_;
  std::array<std::uint8_t, 8> expectedAnswer_{};
  std::vector<std::uint8_t> login_;
  QByteArray pending_;
  QTimer drip_;
  DelayLine toPc_;
  DelayLine fromPc_;
  bool closing_ = false;
};

}  // namespace sim
