#pragma once

#include <QByteArray>
#include <QObject>
#include <QSocketNotifier>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "core/panelmodel/PanelModel.h"
#include "sim/SimConsole.h"
#include "sim/SlowLink.h"

namespace sim {

struct GsmModemOptions {
  // How a call goes wrong, when it does.
  enum class Failure { None, NoCarrier, UnknownNumber, PasswordError, CommunicationError, Silence, NoModem };
  Failure failure = Failure::None;
  QString phone;     // the unit's number; empty: every number reaches it
  QString password;  // the unit's password; empty: every password is right
  int stepMs = 200;  // between two progress codes of a call
  LinkShape call;    // the call's path between the modem and the panel
};

// A GSM modem with the panel behind it, on a pseudo-terminal that the PC
// opens as its serial port. Everything is in envelopes: it identifies
// itself on 0x0D, takes a dial request (0x14 ...) with 0x08, sends the
// progress codes of the call one by one, and once the PC has taken the call
// (0x11) carries panel frames both ways until 0x0F ends the call. Only the
// call is slow on a slow path: the modem answers its own commands at once.
// Commands on standard input, one per line:
//   zone open N | zone close N    a detector of zone N opens or closes
//   silent on | silent off        frames from the panel stop or flow again
//   raw HEX...                    bytes to the PC as they are (noise, broken envelopes)
//   unplug                        the modem goes away (the PC's port fails)
//   quit
class GsmModemSimulator : public QObject {
  Q_OBJECT
 public:
  static constexpr int kIdentificationBytes = 108;

  GsmModemSimulator(GsmModemOptions options, std::unique_ptr<PanelModel> model, QObject* parent = nullptr);
  ~GsmModemSimulator() override;

  // Opens the pseudo-terminal and prints "modem on <device>".
  bool open();
  QString devicePath() const { return devicePath_; }
  // False for a line it does not know.
  bool command(const QString& line);
  // Reads command lines from standard input.
  void watchStdin();

 private:
  enum class State { Idle, Dialling, AwaitingOnline, InCall };

  void onReadable();
  void handlePayload(const std::vector<std::uint8_t>& payload);
  void dial(const std::vector<std::uint8_t>& request);
  void nextStep();
  void endCall(const QString& why);
  void sendEnvelope(std::initializer_list<std::uint8_t> payload);
  void sendEnvelope(std::span<const std::uint8_t> payload);
  void writeRaw(std::span<const std::uint8_t> bytes);
  void unplug();
  void print(const QString& line);

  GsmModemOptions options_;
  std::unique_ptr<PanelModel> model_;
  int master_ = -1;
  int slave_ = -1;  // held so the master never sees a hang-up while the PC has the port closed
  QString devicePath_;
  std::unique_ptr<QSocketNotifier> readable_;
  std::unique_ptr<StdinCommands> stdin_;
  std::vector<std::uint8_t> pending_;
  State state_ = State::Idle;
  std::deque<std::uint8_t> script_;
  State afterScript_ = State::Idle;
  QTimer step_;
  QTimer clock_;
  bool silent_ = false;
  DelayLine toPc_;
  DelayLine toPanel_;
};

// "tarnel-sim modem [options]".
int RunModemSimulator(const QStringList& arguments);

}  // namespace sim
