#include "sim/ModuleEndpoint.h"

#include <QRandomGenerator>
#include <algorithm>

namespace sim {
namespace {

constexpr std::array<std::uint8_t, 6> kAccepted{0x71, 0x00, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 6> kPasswordError{0x71, 0xFC, 0, 0, 0, 0};
constexpr std::array<std::uint8_t, 6> kWrongAnswer{0x71, 0x05, 0, 0, 0, 0};

QString Hex(std::span<const std::uint8_t> bytes) {
  QString text;
  for (std::uint8_t b : bytes) text += QStringLiteral("%1 ").arg(b, 2, 16, QLatin1Char('0')).toUpper();
  return text.trimmed();
}

}  // namespace

ModuleEndpoint::ModuleEndpoint(QTcpSocket* socket, Role role, const LoginPolicy& policy, LinkShape shape,
                               QObject* parent)
    : QObject(parent),
      socket_(socket),
      role_(role),
      policy_(policy),
      stage_(role == Role::CalledIn ? Stage::Data : Stage::AwaitLogin),
      toPc_(shape),
      fromPc_(shape) {
  socket_->setParent(this);
  socket_->setSocketOption(QAbstractSocket::LowDelayOption, 1);
  drip_.setInterval(1);
  connect(&drip_, &QTimer::timeout, this, &ModuleEndpoint::drainOneByte);
  connect(socket_, &QTcpSocket::readyRead, this, &ModuleEndpoint::onReadyRead);
  connect(socket_, &QTcpSocket::disconnected, this, [this] {
    // The PC's hang-up comes after what it sent before it.
    fromPc_.carry(0, [this] {
      stage_ = Stage::Closed;
      emit closed();
    });
  });
}

void ModuleEndpoint::start() {
  if (role_ == Role::Answering) {
    panel::Challenge challenge;
    for (auto& b : challenge) b = static_cast<std::uint8_t>(QRandomGenerator::global()->bounded(256));
    const panel::DerivedKeys keys = panel::LinkKeyDerivation(challenge, policy_.secrets.constants);
    expectedAnswer_ = keys.answer;
    cipher_.setKey(keys.key);
    writeLate(QByteArray(reinterpret_cast<const char*>(challenge.data()), challenge.size()), false);
    emit note(QStringLiteral("challenge sent"));
  }
}

void ModuleEndpoint::onReadyRead() {
  QByteArray bytes = socket_->readAll();
  if (bytes.isEmpty()) return;
  fromPc_.carry(bytes.size(), [this, bytes] { take(bytes); });
}

void ModuleEndpoint::take(QByteArray bytes) {
  if (stage_ == Stage::Data) {
    if (scrambled_)
      cipher_.apply(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size()),
                    panel::LinkCipher::Direction::Receive);
    emit dataReceived(bytes);
    return;
  }
  if (stage_ != Stage::AwaitLogin) return;  // a finished login-only link carries nothing
  cipher_.apply(reinterpret_cast<std::uint8_t*>(bytes.data()), static_cast<std::size_t>(bytes.size()),
                panel::LinkCipher::Direction::Receive);
  login_.insert(login_.end(), bytes.begin(), bytes.end());
  takeLogin();
}

void ModuleEndpoint::takeLogin() {
  if (login_.size() < 10) return;
  const bool passwordLogin = login_[8] == 0x8E && login_[9] == 0x03;
  std::size_t length = 0;
  if (passwordLogin) {
    const auto end = std::find(login_.begin() + 10, login_.end(), 0);
    if (end == login_.end()) {
      if (login_.size() > 10 + panel::kMaxPasswordChars + 1) close();
      return;
    }
    length = static_cast<std::size_t>(end - login_.begin()) + 1;
  } else {
    if (login_.size() < panel::kClientLoginReplySize) return;
    length = panel::kClientLoginReplySize;
  }
  const auto login = panel::ParseLogin(std::span<const std::uint8_t>(login_.data(), length));
  if (!login) {
    emit note(QStringLiteral("garbage login: %1").arg(Hex(login_)));
    close();
    return;
  }
  const bool answerOk = std::ranges::equal(login->answer, expectedAnswer_);
  using Kind = panel::ParsedLogin::Kind;
  if (login->kind == Kind::Password) {
    const bool passwordOk = login->text == policy_.password;
    auto verdict = !answerOk ? kWrongAnswer : passwordOk ? kAccepted : kPasswordError;
    if (policy_.verdict) verdict = *policy_.verdict;
    emit note(QStringLiteral("login with password \"%1\": verdict %2")
                  .arg(QString::fromLatin1(login->text.data(), static_cast<qsizetype>(login->text.size())),
                       Hex(verdict)));
    sendVerdict(verdict);
    if (verdict == kAccepted) {
      stage_ = Stage::Data;
      scrambled_ = true;
      emit linkUp();
    } else {
      stage_ = Stage::LoginOnlyDone;
      QTimer::singleShot(200, this, &ModuleEndpoint::close);
    }
  } else {
    const bool account = login->kind == Kind::Account;
    const bool codeOk = account || login->text == std::string_view(policy_.secrets.accessCode.data(), 4);
    std::array<std::uint8_t, 6> verdict{account ? panel::kAccountVerdictLead : panel::kVerdictLead, 0, 0, 0, 0, 0};
    if (!answerOk || !codeOk) verdict[1] = 0xFB;
    if (policy_.loginOnlyVerdict) verdict = *policy_.loginOnlyVerdict;
    emit note(QStringLiteral("login-only (%1): verdict %2")
                  .arg(account ? QStringLiteral("account") : QStringLiteral("access code"), Hex(verdict)));
    sendVerdict(verdict);
    stage_ = Stage::LoginOnlyDone;
    if (verdict[1] == 0 && verdict[0] == (account ? panel::kAccountVerdictLead : panel::kVerdictLead))
      emit loginOnlyAccepted();
  }
}

void ModuleEndpoint::sendVerdict(const std::array<std::uint8_t, 6>& verdict) {
  auto bytes = verdict;
  cipher_.apply(bytes.data(), bytes.size(), panel::LinkCipher::Direction::Send);
  writeLate(QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size()), false);
}

void ModuleEndpoint::sendData(std::span<const std::uint8_t> bytes) {
  if (stage_ != Stage::Data) return;
  QByteArray wire(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  if (scrambled_)
    cipher_.apply(reinterpret_cast<std::uint8_t*>(wire.data()), bytes.size(), panel::LinkCipher::Direction::Send);
  writeLate(wire, true);
}

void ModuleEndpoint::writeLate(QByteArray bytes, bool data) {
  const qsizetype size = bytes.size();
  toPc_.carry(size, [this, bytes = std::move(bytes), data] {
    if (data) {
      writeWire(bytes);
    } else {
      socket_->write(bytes);
      socket_->flush();
    }
  });
}

void ModuleEndpoint::writeWire(QByteArray bytes) {
  if (!splitWrites_) {
    socket_->write(bytes);
    return;
  }
  // One byte per event-loop turn, so the PC really sees them in separate reads.
  pending_ += bytes;
  if (!drip_.isActive()) drip_.start();
}

void ModuleEndpoint::drainOneByte() {
  if (pending_.isEmpty() || socket_->state() != QAbstractSocket::ConnectedState) {
    drip_.stop();
    return;
  }
  socket_->write(pending_.left(1));
  socket_->flush();
  pending_.remove(0, 1);
}

void ModuleEndpoint::close() {
  if (stage_ == Stage::Closed || closing_) return;
  closing_ = true;
  // What was sent before the hang-up still reaches the PC.
  toPc_.carry(0, [this] { socket_->disconnectFromHost(); });
}

}  // namespace sim
