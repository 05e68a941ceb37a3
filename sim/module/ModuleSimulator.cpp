#include "sim/module/ModuleSimulator.h"

#include <QByteArray>
#include <QEventLoop>
#include <QFile>
#include <QObject>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTimer>
#include <cstdio>
#include <deque>
#include <optional>

#include "core/link/ModuleProtocol.h"
#include "core/link/ModuleLinkDefaults.h"
#include "core/link/LinkCipher.h"
#include "core/link/LinkKeyDerivation.h"
#include "platform/CommandLine.h"

namespace sim {

using quilby::ModuleSettingsRecord;
namespace wire = quilby::wire;

ModuleSettingsRecord DefaultModuleRecord() {
  using Text = ModuleSettingsRecord::Text;
  ModuleSettingsRecord r;
  r.setObtainAddressAutomatically(false);
  r.setSubnetMask(0xFFFFFF00u);
  r.setText(Text::IpAddress, "192.168.1.50");
  r.setText(Text::DefaultGateway, "192.168.1.1");
  r.setText(Text::DnsServer, "192.168.1.1");
  r.setText(Text::AuthorizedPc, "192.168.1.10");
  r.setText(Text::Receiver1, "192.168.1.20:4700");
  r.setText(Text::AccountNumber, "1234");
  r.setEthernetTamper(true);
  auto& b = r.bytes();
  b[ModuleSettingsRecord::kLinkVersionOffset] = 'A';
  b[ModuleSettingsRecord::kLinkVersionOffset + 1] = 1;
  b[ModuleSettingsRecord::kLinkVersionOffset + 2] = 5;
  return r;
}

namespace {

void Say(const QString& line) {
  std::fprintf(stdout, "module: %s\n", qPrintable(line));
  std::fflush(stdout);
}

enum class AnswerMode { Right, Wrong, Garbage };

struct Options {
  QString host;
  quint16 port = 0;
  QString recordFile;
  QString saveFile;
  QList<int> answerPieces;
  QList<int> headerPieces;
  QList<int> recordPieces;
  int pieceDelayMs = 100;
  AnswerMode answer = AnswerMode::Right;
  int recordExtra = 0;
  int dropAfter = -1;
  bool repeat = false;
  int intervalMs = 1000;
  panel::DerivationConstants constants = quilby::kDefaultDerivationConstants;
};

std::optional<QList<int>> ParsePieces(const QString& text) {
  QList<int> pieces;
  for (const QString& part : text.split(QLatin1Char(','), Qt::SkipEmptyParts)) {
    bool ok = false;
    const int n = part.trimmed().toInt(&ok);
    if (!ok || n <= 0) return std::nullopt;
    pieces.append(n);
  }
  return pieces;
}

// Cuts bytes into the given pieces; what the list leaves over is one more
// piece, and a list that asks for more than there is stops short.
QList<QByteArray> Cut(const QByteArray& bytes, const QList<int>& pieces) {
  QList<QByteArray> out;
  qsizetype at = 0;
  for (int n : pieces) {
    if (at >= bytes.size()) break;
    out.append(bytes.mid(at, n));
    at += n;
  }
  if (at < bytes.size()) out.append(bytes.mid(at));
  return out;
}

QString Hex(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex(' ').toUpper()); }

// One module, one call at a time.
class ModuleCaller : public QObject {
 public:
  ModuleCaller(Options options, ModuleSettingsRecord record, QEventLoop& loop)
      : options_(std::move(options)), record_(record), loop_(loop) {
    connect(&socket_, &QTcpSocket::connected, this, &ModuleCaller::onConnected);
    connect(&socket_, &QTcpSocket::readyRead, this, &ModuleCaller::onReadyRead);
    connect(&socket_, &QTcpSocket::disconnected, this, &ModuleCaller::onDisconnected);
    connect(&socket_, &QTcpSocket::errorOccurred, this, &ModuleCaller::onError);
    sendTimer_.setSingleShot(true);
    connect(&sendTimer_, &QTimer::timeout, this, &ModuleCaller::sendNext);
  }

  void call() {
    phase_ = Phase::Challenge;
    incoming_.clear();
    outgoing_.clear();
    sendTimer_.stop();
    Say(QStringLiteral("calling %1:%2").arg(options_.host).arg(options_.port));
    socket_.connectToHost(options_.host, options_.port);
  }

  int exitCode() const { return receivedRecord_ ? 0 : 1; }

 private:
  enum class Phase { Challenge, Sending, Acknowledgement, Record, Done };

  void onConnected() { Say(QStringLiteral("connected")); }

  void onReadyRead() {
    incoming_ += socket_.readAll();
    while (true) {
      if (phase_ == Phase::Challenge && incoming_.size() >= qsizetype(wire::kChallengeSize)) {
        takeChallenge(incoming_.left(wire::kChallengeSize));
        incoming_.remove(0, wire::kChallengeSize);
      } else if ((phase_ == Phase::Sending || phase_ == Phase::Acknowledgement) &&
                 incoming_.size() >= qsizetype(wire::kAcknowledgementSize)) {
        takeAcknowledgement(incoming_.left(wire::kAcknowledgementSize));
        incoming_.remove(0, wire::kAcknowledgementSize);
      } else if (phase_ == Phase::Record && incoming_.size() >= qsizetype(wire::kRecordSize)) {
        takeRecord(incoming_.left(wire::kRecordSize));
        incoming_.remove(0, wire::kRecordSize);
      } else {
        return;
      }
    }
  }

  void takeChallenge(const QByteArray& bytes) {
    panel::Challenge challenge;
    std::copy(bytes.begin(), bytes.end(), challenge.begin());
    Say(QStringLiteral("challenge received %1").arg(Hex(bytes)));
    const panel::DerivedKeys derived = panel::LinkKeyDerivation(challenge, options_.constants);
    cipher_.setKey(derived.key);

    auto toBytes = [](const auto& array) {
      return QByteArray(reinterpret_cast<const char*>(array.data()), qsizetype(array.size()));
    };
    if (options_.answer == AnswerMode::Garbage) {
      // Not even the shape of an answer, sent as it is.
      QByteArray garbage(40, '\0');
      for (auto& c : garbage) c = static_cast<char>(QRandomGenerator::global()->bounded(256));
      queue(Cut(garbage, {}));
      phase_ = Phase::Sending;
      Say(QStringLiteral("sending garbage instead of an answer"));
      sendNext();
      return;
    }
    QByteArray answer = toBytes(derived.answer);
    if (options_.answer == AnswerMode::Wrong) answer[3] = static_cast<char>(answer[3] ^ 0x5A);
    QByteArray header(wire::kHeaderSize, '\0');
    header[0] = 'H';
    header[1] = 'X';
    QByteArray record = toBytes(record_.bytes());
    record += QByteArray(options_.recordExtra, '\x33');
    if (options_.dropAfter >= 0) record.truncate(options_.dropAfter);

    // One scrambled stream: the module's send position runs on from the
    // answer through the header into the record.
    QByteArray all = answer + header + record;
    cipher_.apply(reinterpret_cast<std::uint8_t*>(all.data()), std::size_t(all.size()),
                  panel::LinkCipher::Direction::Send);
    queue(Cut(all.left(wire::kAnswerSize), options_.answerPieces));
    queue(Cut(all.mid(wire::kAnswerSize, wire::kHeaderSize), options_.headerPieces));
    recordChunksFrom_ = outgoing_.size();
    queue(Cut(all.mid(wire::kAnswerSize + wire::kHeaderSize), options_.recordPieces));
    phase_ = Phase::Sending;
    Say(options_.answer == AnswerMode::Wrong ? QStringLiteral("answering wrongly")
                                             : QStringLiteral("answering"));
    sendNext();
  }

  void queue(const QList<QByteArray>& pieces) {
    for (const auto& p : pieces) outgoing_.push_back(p);
  }

  void sendNext() {
    if (socket_.state() != QAbstractSocket::ConnectedState) return;
    while (!outgoing_.empty()) {
      const QByteArray piece = outgoing_.front();
      outgoing_.pop_front();
      socket_.write(piece);
      socket_.flush();
      ++chunksSent_;
      if (chunksSent_ > recordChunksFrom_)
        Say(QStringLiteral("record piece %1 bytes").arg(piece.size()));
      // With pieces asked for, each goes in a write of its own, spaced so
      // they arrive apart.
      if (!outgoing_.empty() && hasPieces()) {
        sendTimer_.start(options_.pieceDelayMs);
        return;
      }
    }
    allSent();
  }

  bool hasPieces() const {
    return !options_.answerPieces.isEmpty() || !options_.headerPieces.isEmpty() ||
           !options_.recordPieces.isEmpty();
  }

  void allSent() {
    if (options_.answer == AnswerMode::Garbage) return;
    if (options_.dropAfter >= 0) {
      Say(QStringLiteral("dropping the call after %1 record bytes").arg(options_.dropAfter));
      socket_.disconnectFromHost();
      return;
    }
    Say(QStringLiteral("record sent"));
    if (phase_ == Phase::Sending) phase_ = Phase::Acknowledgement;
  }

  void takeAcknowledgement(QByteArray bytes) {
    cipher_.apply(reinterpret_cast<std::uint8_t*>(bytes.data()), std::size_t(bytes.size()),
                  panel::LinkCipher::Direction::Receive);
    const QByteArray expected(reinterpret_cast<const char*>(wire::kAcknowledgement.data()),
                              qsizetype(wire::kAcknowledgement.size()));
    Say(bytes == expected ? QStringLiteral("acknowledgement ok")
                          : QStringLiteral("acknowledgement wrong %1").arg(Hex(bytes)));
    phase_ = Phase::Record;
  }

  void takeRecord(const QByteArray& bytes) {
    std::copy(bytes.begin(), bytes.end(), record_.bytes().begin());
    receivedRecord_ = true;
    Say(QStringLiteral("record received %1 bytes").arg(bytes.size()));
    if (!options_.saveFile.isEmpty()) {
      QFile file(options_.saveFile);
      if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size())
        Say(QStringLiteral("record saved to %1").arg(options_.saveFile));
      else
        Say(QStringLiteral("cannot save the record to %1").arg(options_.saveFile));
    }
    // The module takes its new settings and hangs up.
    phase_ = Phase::Done;
    socket_.disconnectFromHost();
  }

  void onDisconnected() {
    Say(phase_ == Phase::Done ? QStringLiteral("call ended") : QStringLiteral("disconnected"));
    callOver();
  }

  void onError(QAbstractSocket::SocketError error) {
    if (error == QAbstractSocket::RemoteHostClosedError) return;  // disconnected() follows
    Say(QStringLiteral("socket error: %1").arg(socket_.errorString()));
    if (socket_.state() == QAbstractSocket::UnconnectedState) callOver();
  }

  void callOver() {
    sendTimer_.stop();
    outgoing_.clear();
    chunksSent_ = 0;
    recordChunksFrom_ = 0;
    if (!options_.repeat) {
      loop_.quit();
      return;
    }
    QTimer::singleShot(options_.intervalMs, this, [this] {
      socket_.abort();
      call();
    });
  }

  Options options_;
  ModuleSettingsRecord record_;
  QEventLoop& loop_;
  QTcpSocket socket_;
  QTimer sendTimer_;
  panel::LinkCipher cipher_;
  Phase phase_ = Phase::Challenge;
  QByteArray incoming_;
  std::deque<QByteArray> outgoing_;
  std::size_t chunksSent_ = 0;
  std::size_t recordChunksFrom_ = 0;
  bool receivedRecord_ = false;
};

std::optional<ModuleSettingsRecord> LoadRecord(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  return ModuleSettingsRecord::FromBytes(
      std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                    static_cast<std::size_t>(bytes.size())));
}

}  // namespace

int RunModuleSimulator(const QStringList& arguments) {
  platform::CommandLine parser(QStringLiteral("tarnel-sim module"), QStringLiteral("Simulated IP module calling in to quilby"));
  const QCommandLineOption connectOption(QStringLiteral("connect"),
                                         QStringLiteral("Call quilby at host:port."),
                                         QStringLiteral("host:port"));
  const QCommandLineOption recordOption(
      QStringLiteral("record"),
      QStringLiteral("Settings record file (341 bytes): sent when it exists, and where the "
                     "record written back is kept unless --save says otherwise."),
      QStringLiteral("file"));
  const QCommandLineOption saveOption(QStringLiteral("save"),
                                      QStringLiteral("Where to keep the record written back."),
                                      QStringLiteral("file"));
  const QCommandLineOption piecesOption(QStringLiteral("pieces"),
                                        QStringLiteral("Send the record in pieces, e.g. 200,141."),
                                        QStringLiteral("n,n,..."));
  const QCommandLineOption answerPiecesOption(QStringLiteral("answer-pieces"),
                                              QStringLiteral("Send the answer in pieces."),
                                              QStringLiteral("n,n,..."));
  const QCommandLineOption headerPiecesOption(QStringLiteral("header-pieces"),
                                              QStringLiteral("Send the header in pieces."),
                                              QStringLiteral("n,n,..."));
  const QCommandLineOption delayOption(QStringLiteral("piece-delay"),
                                       QStringLiteral("Milliseconds between pieces (100)."),
                                       QStringLiteral("ms"), QStringLiteral("100"));
  const QCommandLineOption answerOption(QStringLiteral("answer"),
                                        QStringLiteral("right, wrong or garbage (right)."),
                                        QStringLiteral("mode"), QStringLiteral("right"));
  const QCommandLineOption extraOption(QStringLiteral("record-extra"),
                                       QStringLiteral("Bytes to send after the 341 of the record."),
                                       QStringLiteral("n"), QStringLiteral("0"));
  const QCommandLineOption dropOption(QStringLiteral("drop-after"),
                                      QStringLiteral("Hang up after n bytes of the record."),
                                      QStringLiteral("n"));
  const QCommandLineOption repeatOption(QStringLiteral("repeat"),
                                        QStringLiteral("Call again after each call (default: once)."));
  const QCommandLineOption intervalOption(QStringLiteral("interval"),
                                          QStringLiteral("Milliseconds between calls (1000)."),
                                          QStringLiteral("ms"), QStringLiteral("1000"));
  const QCommandLineOption constantsOption(QStringLiteral("constants"),
                                           QStringLiteral("Derivation constants k1,k2,k3,k4 in hex."),
                                           QStringLiteral("k1,k2,k3,k4"));
  parser.addOptions({connectOption, recordOption, saveOption, piecesOption, answerPiecesOption,
                     headerPiecesOption, delayOption, answerOption, extraOption, dropOption,
                     repeatOption, intervalOption, constantsOption});
  if (const auto end = parser.parse(arguments)) return *end;
  auto usage = [&parser](const QString& why) { return parser.fail(why); };

  Options options;
  if (!parser.isSet(connectOption)) return usage(QStringLiteral("--connect host:port is needed"));
  const auto target = platform::ParseHostPort(parser.value(connectOption));
  if (!target)
    return usage(QStringLiteral("--connect: '%1' is not host:port with a port from 1 to 65535")
                     .arg(parser.value(connectOption)));
  options.host = target->first;
  options.port = target->second;
  bool ok = false;

  for (const auto& [option, list] :
       {std::pair{&piecesOption, &options.recordPieces},
        std::pair{&answerPiecesOption, &options.answerPieces},
        std::pair{&headerPiecesOption, &options.headerPieces}}) {
    if (!parser.isSet(*option)) continue;
    const auto pieces = ParsePieces(parser.value(*option));
    if (!pieces) return usage(QStringLiteral("--%1: '%2' is not a list of byte counts such as 200,141")
                       .arg(option->names().first(), parser.value(*option)));
    *list = *pieces;
  }
  options.pieceDelayMs = parser.value(delayOption).toInt(&ok);
  if (!ok || options.pieceDelayMs < 0) return usage(QStringLiteral("--piece-delay: '%1' is not a number of milliseconds").arg(parser.value(delayOption)));
  const QString answer = parser.value(answerOption);
  if (answer == QLatin1String("right"))
    options.answer = AnswerMode::Right;
  else if (answer == QLatin1String("wrong"))
    options.answer = AnswerMode::Wrong;
  else if (answer == QLatin1String("garbage"))
    options.answer = AnswerMode::Garbage;
  else
    return usage(QStringLiteral("--answer: '%1' is none of right, wrong, garbage").arg(answer));
  options.recordExtra = parser.value(extraOption).toInt(&ok);
  if (!ok || options.recordExtra < 0) return usage(QStringLiteral("--record-extra: '%1' is not a byte count").arg(parser.value(extraOption)));
  if (parser.isSet(dropOption)) {
    options.dropAfter = parser.value(dropOption).toInt(&ok);
    if (!ok || options.dropAfter < 0) return usage(QStringLiteral("--drop-after: '%1' is not a byte count").arg(parser.value(dropOption)));
  }
  options.repeat = parser.isSet(repeatOption);
  options.intervalMs = parser.value(intervalOption).toInt(&ok);
  if (!ok || options.intervalMs < 0) return usage(QStringLiteral("--interval: '%1' is not a number of milliseconds").arg(parser.value(intervalOption)));
  if (parser.isSet(constantsOption)) {
    const QStringList k = parser.value(constantsOption).split(QLatin1Char(','));
    quint32 values[4] = {};
    for (int i = 0; i < 4 && k.size() == 4; ++i) {
      values[i] = k[i].trimmed().toUInt(&ok, 16);
      if (!ok) break;
    }
    if (k.size() != 4 || !ok) return usage(QStringLiteral("--constants: '%1' is not four hexadecimal 32-bit numbers").arg(parser.value(constantsOption)));
    options.constants = {values[0], values[1], values[2], values[3]};
  }

  options.recordFile = parser.value(recordOption);
  options.saveFile = parser.isSet(saveOption) ? parser.value(saveOption) : options.recordFile;
  ModuleSettingsRecord record = DefaultModuleRecord();
  if (!options.recordFile.isEmpty() && QFile::exists(options.recordFile)) {
    const auto loaded = LoadRecord(options.recordFile);
    if (!loaded) return usage(QStringLiteral("%1 is not a 341-byte record").arg(options.recordFile));
    record = *loaded;
    Say(QStringLiteral("record loaded from %1").arg(options.recordFile));
  }

  QEventLoop loop;
  ModuleCaller caller(options, record, loop);
  caller.call();
  loop.exec();
  return caller.exitCode();
}

}  // namespace sim
