#include "configurator/CWorkSocket.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cstring>

#include "link/ReportLastError.h"
#include "platform/Timing.h"

namespace quilby {

using panel::LinkCipher;

CWorkSocket::CWorkSocket(QTcpSocket* accepted, ModuleView& view,
                         const panel::DerivationConstants& constants, QObject* parent)
    : QObject(parent), view_(view), constants_(constants), socket_(accepted) {
  socket_->setParent(this);
  connect(socket_, &QTcpSocket::readyRead, this, &CWorkSocket::onReadyRead);
  connect(socket_, &QTcpSocket::disconnected, this, &CWorkSocket::finish);
}

CWorkSocket::~CWorkSocket() {
  // Nobody is listening for ended() any more.
  socket_->disconnect(this);
  socket_->abort();
}

void CWorkSocket::sendChallenge() {
  // A challenge from the system's generator, not from a generator seeded
  // with the time: two calls in the same second must not be asked the same.
  panel::Challenge challenge;
  for (auto& b : challenge) b = static_cast<std::uint8_t>(QRandomGenerator::system()->generate());

  const panel::DerivedKeys derived = panel::LinkKeyDerivation(challenge, constants_);
  expectedAnswer_ = derived.answer;
  cipher_.setKey(derived.key);
  state_ = ReceiveState::AwaitAnswer;
  answerCount_ = 0;

  const auto written = socket_->write(reinterpret_cast<const char*>(challenge.data()),
                                      static_cast<qint64>(challenge.size()));
  if (written != static_cast<qint64>(challenge.size())) fail(QT_TR_NOOP("CWorkSocket Send rand"));
}

void CWorkSocket::onReadyRead() {
  // Qt signals new data once; whatever a step leaves in the socket belongs
  // to the next step and is taken here, not on a later signal.
  while (!ended_ && socket_->bytesAvailable() > 0) {
    bool open = true;
    switch (state_) {
      case ReceiveState::AwaitAnswer: open = takeAnswer(); break;
      case ReceiveState::AwaitHeader: open = takeHeader(); break;
      case ReceiveState::AwaitRecord: open = takeRecord(); break;
    }
    if (!open) return;
  }
}

bool CWorkSocket::takeAnswer() {
  if (answerCount_ == 0) recordCount_ = 0;
  // A module may hand the answer over in pieces: collect all eight bytes
  // before judging it.
  const auto n = socket_->read(reinterpret_cast<char*>(answer_.data() + answerCount_),
                               static_cast<qint64>(answer_.size() - answerCount_));
  if (n < 0) {
    fail(QT_TR_NOOP("CWorkSocket header"));
    return false;
  }
  answerCount_ += static_cast<std::size_t>(n);
  if (answerCount_ < answer_.size()) return true;

  cipher_.apply(answer_.data(), answer_.size(), LinkCipher::Direction::Receive);
  answerCount_ = 0;
  if (answer_ != expectedAnswer_) {
    // A wrong answer gets no explanation.
    closeConnection();
    return false;
  }
  state_ = ReceiveState::AwaitHeader;
  headerCount_ = 0;
  return true;
}

bool CWorkSocket::takeHeader() {
  const auto n = socket_->read(reinterpret_cast<char*>(header_.data() + headerCount_),
                               static_cast<qint64>(header_.size() - headerCount_));
  if (n < 0) {
    state_ = ReceiveState::AwaitAnswer;
    fail(QT_TR_NOOP("CWorkSocket header"));
    return false;
  }
  headerCount_ += static_cast<std::size_t>(n);
  if (headerCount_ < header_.size()) return true;

  // Kept, not interpreted; de-scrambled so the key position stays in step.
  cipher_.apply(header_.data(), header_.size(), LinkCipher::Direction::Receive);
  headerCount_ = 0;
  recordCount_ = 0;
  state_ = ReceiveState::AwaitRecord;
  return true;
}

bool CWorkSocket::takeRecord() {
  std::array<char, 1024> chunk;
  const auto n = socket_->read(chunk.data(), static_cast<qint64>(chunk.size()));
  if (n < 0) {
    state_ = ReceiveState::AwaitAnswer;
    fail(QT_TR_NOOP("CWorkSocket Data"));
    return false;
  }
  const auto count = static_cast<std::size_t>(n);
  // Checked before copying: an overlong record must not run past the buffer.
  if (recordCount_ + count > ModuleSettingsRecord::kSize) {
    state_ = ReceiveState::AwaitAnswer;
    fail(QT_TR_NOOP("CWorkSocket Data more"));
    return false;
  }
  std::memcpy(record_.data() + recordCount_, chunk.data(), count);
  recordCount_ += count;
  if (recordCount_ < ModuleSettingsRecord::kSize) return true;

  cipher_.apply(record_.data(), ModuleSettingsRecord::kSize, LinkCipher::Direction::Receive);
  state_ = ReceiveState::AwaitAnswer;
  recordComplete_ = true;
  view_.showRecord(record_);
  return sendAcknowledgement();
}

bool CWorkSocket::sendAcknowledgement() {
  auto ack = wire::kAcknowledgement;
  cipher_.apply(ack.data(), ack.size(), LinkCipher::Direction::Send);
  const auto written =
      socket_->write(reinterpret_cast<const char*>(ack.data()), static_cast<qint64>(ack.size()));
  if (written != static_cast<qint64>(ack.size())) {
    fail(QT_TR_NOOP("CWorkSocket Send rand"));
    return false;
  }
  return true;
}

bool CWorkSocket::writeRecordBack() {
  if (ended_) return false;
  // Plain bytes, as the module expects them; the send position does not move.
  const auto written = socket_->write(reinterpret_cast<const char*>(record_.bytes().data()),
                                      static_cast<qint64>(ModuleSettingsRecord::kSize));
  bool sent = written == static_cast<qint64>(ModuleSettingsRecord::kSize);
  // The program ends right after OK: hand the bytes to the system now.
  while (sent && socket_->bytesToWrite() > 0) sent = socket_->waitForBytesWritten(3000);
  if (!sent) {
    fail(QT_TR_NOOP("CWorkSocket CloseConnect"));
    return false;
  }
  platform::Pause(200);
  closing_ = true;
  return true;
}

void CWorkSocket::fail(const char* context) {
  // The box may run an event loop; this connection takes nothing more in
  // the meantime, it is about to be closed.
  socket_->blockSignals(true);
  panel::ReportLastError(tr(context), *socket_);
  socket_->blockSignals(false);
  closeConnection();
}

void CWorkSocket::closeConnection() {
  if (ended_) return;
  socket_->disconnect(this);
  socket_->abort();
  finish();
}

void CWorkSocket::finish() {
  if (ended_) return;
  ended_ = true;
  emit ended(closing_);
}

}  // namespace quilby
