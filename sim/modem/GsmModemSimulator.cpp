#include "sim/modem/GsmModemSimulator.h"

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <QCoreApplication>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "core/link/ModemProgress.h"
#include "core/link/PanelFrames.h"
#include "core/link/SerialEnvelope.h"

namespace sim {
namespace {

constexpr std::uint8_t kIdentify = 0x0D;
constexpr std::uint8_t kDialRequest = 0x14;
constexpr std::uint8_t kDialAccepted = 0x08;
constexpr std::uint8_t kDialRefused = 0x00;
constexpr std::uint8_t kEndOfCall = 0x0F;
constexpr std::uint8_t kGoOnline = 0x11;
// Longer than anything the PC sends; a longer length field is noise.
constexpr std::size_t kMaxPayload = 1024;

using namespace panel::modem;

QString Hex(std::span<const std::uint8_t> bytes) {
  QString text;
  for (std::uint8_t b : bytes) text += QString::asprintf("%02X ", b);
  return text.trimmed();
}

}  // namespace

GsmModemSimulator::GsmModemSimulator(GsmModemOptions options, std::unique_ptr<PanelModel> model, QObject* parent)
    : QObject(parent),
      options_(std::move(options)),
      model_(std::move(model)),
      toPc_(options_.call),
      toPanel_(options_.call) {
  model_->setFrameSink([this](PanelModel::Bytes frame) {
    if (state_ != State::InCall || silent_ || frame.empty()) return;
    // On the serial link a frame travels without its opening delimiter.
    const PanelModel::Bytes payload = frame.front() == panel::kDelimiter ? frame.subspan(1) : frame;
    toPc_.carry(static_cast<std::int64_t>(payload.size()),
                [this, bytes = std::vector<std::uint8_t>(payload.begin(), payload.end())] { sendEnvelope(bytes); });
  });
  step_.setInterval(std::max(options_.stepMs, 1));
  connect(&step_, &QTimer::timeout, this, &GsmModemSimulator::nextStep);
  // The panel's clock runs whether or not a call is up.
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, [this] { model_->tick(); });
  clock_.start();
}

GsmModemSimulator::~GsmModemSimulator() { unplug(); }

bool GsmModemSimulator::open() {
  master_ = posix_openpt(O_RDWR | O_NOCTTY);
  if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0) {
    print(QStringLiteral("cannot open a pseudo-terminal"));
    return false;
  }
  fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  devicePath_ = QString::fromLocal8Bit(ptsname(master_));
  slave_ = ::open(ptsname(master_), O_RDWR | O_NOCTTY);
  termios raw{};
  if (slave_ >= 0 && tcgetattr(slave_, &raw) == 0) {
    // No echo and no line editing until the PC sets its own mode.
    cfmakeraw(&raw);
    tcsetattr(slave_, TCSANOW, &raw);
  }
  readable_ = std::make_unique<QSocketNotifier>(master_, QSocketNotifier::Read);
  connect(readable_.get(), &QSocketNotifier::activated, this, &GsmModemSimulator::onReadable);
  print(QStringLiteral("modem on %1").arg(devicePath_));
  return true;
}

void GsmModemSimulator::watchStdin() {
  stdin_ = std::make_unique<StdinCommands>([this](const QString& line) { return command(line); }, this);
}

void GsmModemSimulator::onReadable() {
  std::uint8_t chunk[1024];
  const ssize_t n = ::read(master_, chunk, sizeof chunk);
  if (n <= 0) return;
  if (options_.failure == GsmModemOptions::Failure::NoModem) return;
  pending_.insert(pending_.end(), chunk, chunk + n);
  for (;;) {
    const panel::DecodedEnvelope decoded = panel::DecodeSerialEnvelope(pending_, kMaxPayload);
    if (decoded.status == panel::EnvelopeStatus::NeedMore) break;
    if (decoded.status != panel::EnvelopeStatus::Complete) {
      if (decoded.status == panel::EnvelopeStatus::BadChecksum) print(QStringLiteral("bad envelope dropped"));
      pending_.erase(pending_.begin(),
                     pending_.begin() + static_cast<std::ptrdiff_t>(std::max<std::size_t>(decoded.consumed, 1)));
      continue;
    }
    const std::vector<std::uint8_t> payload(decoded.payload.begin(), decoded.payload.end());
    pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(decoded.consumed));
    handlePayload(payload);
    if (master_ < 0) return;
  }
}

void GsmModemSimulator::handlePayload(const std::vector<std::uint8_t>& payload) {
  const bool silence = options_.failure == GsmModemOptions::Failure::Silence;
  if (payload == std::vector<std::uint8_t>{kIdentify} && state_ != State::InCall) {
    std::vector<std::uint8_t> block(kIdentificationBytes, 0x00);
    const QByteArray name = QByteArrayLiteral("SIMULATED GSM MODEM");
    std::copy(name.begin(), name.end(), block.begin());
    sendEnvelope(block);
    return;
  }
  switch (state_) {
    case State::Idle:
      if (!payload.empty() && payload[0] == kDialRequest) dial(payload);
      else if (payload == std::vector<std::uint8_t>{kEndOfCall}) sendEnvelope({kEndOfCall});
      break;
    case State::Dialling:
      if (payload == std::vector<std::uint8_t>{kEndOfCall}) {
        endCall(QStringLiteral("call cancelled"));
        if (!silence) sendEnvelope({kEndOfCall});
      }
      break;
    case State::AwaitingOnline:
      if (payload == std::vector<std::uint8_t>{kGoOnline}) {
        state_ = State::InCall;
        print(QStringLiteral("call established"));
        model_->linkUp();
      } else if (payload == std::vector<std::uint8_t>{kEndOfCall}) {
        endCall(QStringLiteral("call ended"));
      }
      break;
    case State::InCall:
      if (payload == std::vector<std::uint8_t>{kEndOfCall}) {
        endCall(QStringLiteral("call ended"));
        break;
      }
      toPanel_.carry(static_cast<std::int64_t>(payload.size()), [this, payload] {
        print(QStringLiteral("panel got: %1").arg(Hex(payload)));
        model_->receive(payload);
      });
      break;
  }
}

void GsmModemSimulator::dial(const std::vector<std::uint8_t>& request) {
  // 14, phone, 00, password, 00, ',', protocol
  const auto phoneEnd = std::find(request.begin() + 1, request.end(), 0x00);
  const auto passwordEnd = phoneEnd == request.end() ? request.end() : std::find(phoneEnd + 1, request.end(), 0x00);
  if (passwordEnd == request.end() || request.end() - passwordEnd != 3 || passwordEnd[1] != ',') {
    print(QStringLiteral("malformed dial request: %1").arg(Hex(request)));
    sendEnvelope({kDialRefused});
    return;
  }
  const QString phone = QString::fromLatin1(reinterpret_cast<const char*>(&*(request.begin() + 1)), phoneEnd - request.begin() - 1);
  const QString password =
      QString::fromLatin1(reinterpret_cast<const char*>(&*(phoneEnd + 1)), passwordEnd - phoneEnd - 1);
  print(QStringLiteral("dial %1 protocol %2").arg(phone).arg(passwordEnd[2]));
  sendEnvelope({kDialAccepted});

  using Failure = GsmModemOptions::Failure;
  Failure failure = options_.failure;
  if (failure == Failure::None && !options_.phone.isEmpty() && phone != options_.phone) failure = Failure::UnknownNumber;
  if (failure == Failure::None && !options_.password.isEmpty() && password != options_.password)
    failure = Failure::PasswordError;
  state_ = State::Dialling;
  afterScript_ = State::Idle;
  switch (failure) {
    case Failure::None:
      script_ = {kCheckPassword, kDownloadParameters, kDownloadInfoStruct, kDownloadEvents, kDownloadFinished, kCallReady};
      afterScript_ = State::AwaitingOnline;
      break;
    case Failure::NoCarrier: script_ = {kNoCarrier}; break;
    case Failure::UnknownNumber: script_ = {kUnknownNumber}; break;
    case Failure::PasswordError: script_ = {kCheckPassword, kPasswordError, kHungUp}; break;
    case Failure::CommunicationError: script_ = {kCheckPassword, kDownloadParameters, kCommunicationError}; break;
    case Failure::Silence:
    case Failure::NoModem: script_.clear(); return;  // the call just hangs
  }
  step_.start();
}

void GsmModemSimulator::nextStep() {
  if (script_.empty()) {
    step_.stop();
    state_ = afterScript_;
    if (state_ == State::Idle) print(QStringLiteral("call failed"));
    return;
  }
  const std::uint8_t code = script_.front();
  script_.pop_front();
  sendEnvelope({code});
  if (script_.empty()) {
    step_.stop();
    state_ = afterScript_;
    print(state_ == State::Idle ? QStringLiteral("call failed") : QStringLiteral("call ready"));
  }
}

void GsmModemSimulator::endCall(const QString& why) {
  // What was still on its way is lost with the call.
  toPc_.clear();
  toPanel_.clear();
  step_.stop();
  script_.clear();
  state_ = State::Idle;
  print(why);
}

void GsmModemSimulator::sendEnvelope(std::initializer_list<std::uint8_t> payload) {
  sendEnvelope(std::span<const std::uint8_t>(payload.begin(), payload.size()));
}

void GsmModemSimulator::sendEnvelope(std::span<const std::uint8_t> payload) {
  std::vector<std::uint8_t> envelope(payload.size() + panel::kEnvelopeOverhead);
  envelope.resize(panel::EncodeSerialEnvelope(payload, envelope));
  writeRaw(envelope);
}

void GsmModemSimulator::writeRaw(std::span<const std::uint8_t> bytes) {
  std::size_t done = 0;
  while (master_ >= 0 && done < bytes.size()) {
    const ssize_t n = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (n > 0) {
      done += static_cast<std::size_t>(n);
      continue;
    }
    if (n < 0 && errno != EAGAIN && errno != EINTR) return;
    // The PC is not reading: give it a moment, then give up on the rest.
    pollfd out{master_, POLLOUT, 0};
    if (poll(&out, 1, 1000) <= 0) return;
  }
}

void GsmModemSimulator::unplug() {
  toPc_.clear();
  toPanel_.clear();
  readable_.reset();
  step_.stop();
  if (slave_ >= 0) ::close(slave_);
  if (master_ >= 0) ::close(master_);
  slave_ = master_ = -1;
}

bool GsmModemSimulator::command(const QString& line) {
  const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return true;
  const QString verb = words[0].toLower();
  if (verb == QLatin1String("quit")) {
    QCoreApplication::quit();
    return true;
  }
  if (verb == QLatin1String("unplug") && words.size() == 1) {
    unplug();
    print(QStringLiteral("unplugged"));
    return true;
  }
  if (verb == QLatin1String("silent") && words.size() == 2 &&
      (words[1] == QLatin1String("on") || words[1] == QLatin1String("off"))) {
    silent_ = words[1] == QLatin1String("on");
    print(silent_ ? QStringLiteral("silent") : QStringLiteral("talking"));
    return true;
  }
  if (verb == QLatin1String("raw") && words.size() > 1) {
    std::vector<std::uint8_t> bytes;
    if (!ParseRawBytes(words, bytes)) return false;
    writeRaw(bytes);
    print(QStringLiteral("sent %1 bytes").arg(bytes.size()));
    return true;
  }
  return RunPanelCommand(*model_, words);
}

void GsmModemSimulator::print(const QString& line) { PrintSimLine(line); }

}  // namespace sim
