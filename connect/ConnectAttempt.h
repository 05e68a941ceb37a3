#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <string>

#include "platform/Timing.h"

namespace panel {
class CClientSocket;
class CWorkSocket;
}  // namespace panel

namespace connection {

// What the routes take from the person who connects, in the dialog and on the command line.
inline constexpr quint16 kModulePort = 4700;
inline constexpr int kMinModulePasswordChars = 8;  // at most panel::kMaxPasswordChars
inline constexpr int kMaxPhoneChars = 127;
inline constexpr int kMaxGsmPasswordChars = 15;

// One TCP attempt of the connection routes, without a window: it calls the
// module (or a receiver) and reports the login's verdict, or a failure when
// no verdict came within 6000 ms. Mode 1 carries frames over the scrambled
// link it logs in on; modes 0 and 2 only log in, and the module then calls
// the PC back on its listening port.
class ConnectAttempt : public QObject {
  Q_OBJECT
 public:
  static constexpr int kTimeoutMs = 6000;
  // The code of an attempt that timed out.
  static constexpr int kTimeoutCode = 5;

  enum Mode { kDirectAuthorised = 0, kDirectWithPassword = 1, kThroughReceiver = 2 };

  explicit ConnectAttempt(QObject* parent = nullptr);
  ~ConnectAttempt() override;

  // Drops the previous attempt and the current connection, then calls
  // host:port. secret: the module password for mode 1 (at most 14
  // characters are sent), the account for mode 2; mode 0 sends the access code.
  void start(Mode mode, const QString& host, quint16 port, const std::string& secret);
  bool underWay() const { return timer_.isActive(); }
  // No time-out is reported any more; a verdict still on its way is.
  void stopWaiting() { timer_.stop(); }
  // Gives up the attempt, so no link comes up behind the caller's back; a
  // module that called in meanwhile is left alone.
  void abandon();

  // The text of the code of a failed attempt ("Password error").
  static QString ResultText(int code);

 signals:
  // The login was accepted; for mode 1 the link stands and is the current connection.
  void connected();
  // Refused (the verdict's code) or timed out (kTimeoutCode).
  void failed(int code);

 private:
  void drop();
  void onVerdict(int status, int code);

  platform::OneShotTimer timer_;
  QPointer<panel::CClientSocket> client_;
  QPointer<panel::CWorkSocket> work_;
};

}  // namespace connection
