#include "link/CClientSocket.h"

#include "platform/Beeper.h"

namespace panel {

CClientSocket::CClientSocket(PanelLink& link, int mode, std::string loginText, QObject* parent)
    : QObject(parent),
      link_(link),
      expected_(ExpectedClientVerdictLead(mode)),
      mode_(mode),
      loginText_(std::move(loginText)) {
  connect(&socket_, &QTcpSocket::connected, this, [this] { awaitingChallenge_ = true; });
  connect(&socket_, &QTcpSocket::readyRead, this, &CClientSocket::onReadyRead);
}

void CClientSocket::connectToModule(const QString& host, quint16 port) {
  socket_.connectToHost(host, port);
}

void CClientSocket::onReadyRead() {
  while (socket_.bytesAvailable() > 0) {
    const qint64 got = socket_.read(reinterpret_cast<char*>(receiveBuffer_.data()), kReadSize);
    if (got <= 0) return;
    if (awaitingChallenge_ && got == qint64{kChallengeSize}) {
      Challenge challenge;
      std::copy_n(receiveBuffer_.begin(), kChallengeSize, challenge.begin());
      const DerivedKeys keys = LinkKeyDerivation(challenge, link_.secrets().constants);
      link_.cipher().setKey(keys.key);
      FrameBytes reply = BuildClientLogin(mode_, keys.answer, loginText_, link_.secrets().accessCode);
      platform::Beeper::current().beep(500, 50);
      link_.cipher().apply(reply.data(), reply.size(), LinkCipher::Direction::Send);
      socket_.write(reinterpret_cast<const char*>(reply.data()), reply.size());
      awaitingChallenge_ = false;
    } else if (!awaitingChallenge_ && got == qint64{kVerdictSize}) {
      link_.cipher().apply(receiveBuffer_.data(), kVerdictSize, LinkCipher::Direction::Receive);
      const LinkVerdict verdict = ClientSocketVerdict(
          std::span<const std::uint8_t, kVerdictSize>(receiveBuffer_.data(), kVerdictSize), expected_);
      lastResult_ = verdict.code;
      awaitingChallenge_ = true;
      emit linkVerdict(verdict.status, verdict.code);
    }
  }
}

}  // namespace panel
