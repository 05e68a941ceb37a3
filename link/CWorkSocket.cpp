#include "link/CWorkSocket.h"

#include "link/ReportLastError.h"
#include "platform/Beeper.h"

namespace panel {

CWorkSocket::CWorkSocket(QTcpSocket* accepted, PanelLink& link, QObject* parent)
    : QObject(parent), link_(link), socket_(accepted), mainWindow_(link.mainWindow()) {
  socket_->setParent(this);
  everConnected_ = socket_->state() == QAbstractSocket::ConnectedState;
  wireSocket();
}

CWorkSocket::CWorkSocket(PanelLink& link, QObject* parent)
    : QObject(parent), link_(link), socket_(new QTcpSocket(this)), mainWindow_(link.mainWindow()) {
  wireSocket();
}

CWorkSocket::~CWorkSocket() { link_.forgetConnection(this); }

void CWorkSocket::wireSocket() {
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  connect(socket_, &QTcpSocket::connected, this, &CWorkSocket::onConnected);
  connect(socket_, &QTcpSocket::readyRead, this, &CWorkSocket::onReadyRead);
  connect(socket_, &QTcpSocket::disconnected, this, &CWorkSocket::onDisconnected);
  connect(socket_, &QTcpSocket::errorOccurred, this, &CWorkSocket::onError);
}

void CWorkSocket::setPassword(std::string password) {
  if (password.size() > kMaxPasswordChars) password.resize(kMaxPasswordChars);
  password_ = std::move(password);
}

void CWorkSocket::connectToModule(const QString& host, quint16 port) {
  closedLocally_ = false;
  socket_->connectToHost(host, port);
}

void CWorkSocket::onConnected() {
  everConnected_ = true;
  state_ = State::AwaitChallenge;
  scrambled_ = true;
}

void CWorkSocket::onReadyRead() {
  // The handshake steps take no more than their own message, so a verdict
  // that shares a read with the first frames does not swallow them.
  while (socket_->state() == QAbstractSocket::ConnectedState && socket_->bytesAvailable() > 0) {
    const qint64 limit = state_ == State::AwaitChallenge ? qint64{kChallengeSize}
                         : state_ == State::AwaitVerdict ? qint64{kVerdictSize}
                                                         : qint64{kReceiveBufferSize};
    const qint64 got = socket_->read(reinterpret_cast<char*>(receiveBuffer_.data()), limit);
    if (got <= 0) return;
    const auto count = static_cast<std::size_t>(got);
    switch (state_) {
      case State::Data:
        if (scrambled_) link_.cipher().apply(receiveBuffer_.data(), count, LinkCipher::Direction::Receive);
        if (mainWindow_) deframer_.feed(receiveBuffer_.data(), count, *mainWindow_);
        break;
      case State::AwaitChallenge: takeChallenge(count); break;
      case State::AwaitVerdict: takeVerdict(count); break;
    }
  }
}

void CWorkSocket::takeChallenge(std::size_t count) {
  if (count != kChallengeSize) return;  // a split challenge is ignored; the caller times out
  Challenge challenge;
  std::copy_n(receiveBuffer_.begin(), kChallengeSize, challenge.begin());
  const DerivedKeys keys = LinkKeyDerivation(challenge, link_.secrets().constants);
  link_.cipher().setKey(keys.key);
  FrameBytes reply = BuildPasswordLogin(keys.answer, password_);
  link_.cipher().apply(reply.data(), reply.size(), LinkCipher::Direction::Send);
  socket_->write(reinterpret_cast<const char*>(reply.data()), reply.size());
  state_ = State::AwaitVerdict;
}

void CWorkSocket::takeVerdict(std::size_t count) {
  if (count != kVerdictSize) return;
  link_.cipher().apply(receiveBuffer_.data(), count, LinkCipher::Direction::Receive);
  const LinkVerdict verdict =
      WorkSocketVerdict(std::span<const std::uint8_t, kVerdictSize>(receiveBuffer_.data(), kVerdictSize));
  state_ = State::Data;
  emit linkVerdict(verdict.status, verdict.code);
  platform::Beeper::current().beep(500, 50);
}

void CWorkSocket::transmit(std::uint8_t* bytes, std::uint16_t length, QObject*) {
  if (!isOpen()) return;
  if (scrambled_) link_.cipher().apply(bytes, length, LinkCipher::Direction::Send);
  if (socket_->write(reinterpret_cast<const char*>(bytes), length) < 0) closeConnection();
}

void CWorkSocket::closeConnection() {
  closedLocally_ = true;
  socket_->abort();
}

bool CWorkSocket::isOpen() const { return socket_->state() == QAbstractSocket::ConnectedState; }

bool CWorkSocket::holdsLine() const { return socket_->state() != QAbstractSocket::UnconnectedState; }

void CWorkSocket::onDisconnected() { notifyLinkClosed(); }

void CWorkSocket::onError(QAbstractSocket::SocketError error) {
  // A failed call-out is ended by the connection dialog's own timer, and the
  // peer closing is the ordinary end of a link: neither is an error to show.
  if (closedLocally_ || !everConnected_ || error == QAbstractSocket::RemoteHostClosedError) return;
  ReportLastError(tr("CWorkSocket Data reseive"), *socket_);
  notifyLinkClosed();
  closeConnection();
}

void CWorkSocket::notifyLinkClosed() {
  // Whoever closes the link on purpose tells the window themselves.
  if (closedLocally_ || closeNotified_) return;
  closeNotified_ = true;
  if (mainWindow_) mainWindow_->handleLinkClosed();
}

}  // namespace panel
