#pragma once

#include <QObject>
#include <QTcpSocket>
#include <array>
#include <cstdint>

#include "core/link/ModuleProtocol.h"
#include "core/link/ModuleSettingsRecord.h"
#include "configurator/ModuleView.h"
#include "core/link/LinkCipher.h"
#include "core/link/LinkKeyDerivation.h"

namespace quilby {

// One module that called in. quilby is the challenging side here: it sends
// the challenge, checks the module's answer, collects header and record and
// acknowledges. Key, positions and receive state belong to this connection
// alone, so a module that dropped half-way leaves nothing behind for the next.
class CWorkSocket : public QObject {
  Q_OBJECT
 public:
  enum class ReceiveState { AwaitAnswer = 0, AwaitHeader = 1, AwaitRecord = 2 };

  // Takes over the accepted socket.
  CWorkSocket(QTcpSocket* accepted, ModuleView& view, const panel::DerivationConstants& constants,
              QObject* parent = nullptr);
  ~CWorkSocket() override;

  // First thing after the accept: a fresh challenge, a fresh key.
  void sendChallenge();
  // OK: the record buffer as it is now, unscrambled. False on failure (the
  // connection is then closed).
  bool writeRecordBack();
  // Closes from this side; ended() follows at once.
  void closeConnection();

  ModuleSettingsRecord& record() { return record_; }
  bool recordComplete() const { return recordComplete_; }
  bool closing() const { return closing_; }
  bool isOpen() const { return !ended_; }
  ReceiveState receiveState() const { return state_; }
  const panel::LinkCipher& cipher() const { return cipher_; }
  QTcpSocket& socket() { return *socket_; }

 signals:
  // The connection is over, whoever closed it; emitted once.
  void ended(bool closing);

 private:
  void onReadyRead();
  // Each returns false when the connection was closed.
  bool takeAnswer();
  bool takeHeader();
  bool takeRecord();
  bool sendAcknowledgement();
  void fail(const char* context);
  void finish();

  ModuleSettingsRecord record_;
  panel::LinkCipher cipher_;
  std::array<std::uint8_t, wire::kHeaderSize> header_{};
  std::array<std::uint8_t, wire::kAnswerSize> answer_{};
  ModuleView& view_;
  std::array<std::uint8_t, wire::kAnswerSize> expectedAnswer_{};
  bool closing_ = false;

  panel::DerivationConstants constants_;
  QTcpSocket* socket_;
  ReceiveState state_ = ReceiveState::AwaitAnswer;
  std::size_t answerCount_ = 0;
  std::size_t headerCount_ = 0;
  std::size_t recordCount_ = 0;
  bool recordComplete_ = false;
  bool ended_ = false;
};

}  // namespace quilby
