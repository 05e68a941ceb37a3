#include "sim/PanelSimulator.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QTextStream>
#include <unistd.h>

#include <cstdio>
#include <optional>

#include "link/DebugLogLine.h"

namespace sim {

PanelSimulator::PanelSimulator(PanelSimulatorOptions options, std::unique_ptr<PanelModel> model, QObject* parent)
    : QObject(parent), options_(std::move(options)), model_(std::move(model)) {
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, [this] { model_->tick(); });
  connect(&server_, &QTcpServer::newConnection, this, &PanelSimulator::onNewConnection);
  model_->onMessage = [this](PanelModel::Bytes message) {
    std::array<char, panel::kLogLineCapacity> line;
    const std::size_t n = panel::FormatReceivedLogLine(panel::LocalTimeNow(), message, line);
    std::fwrite(line.data(), 1, n, stdout);
    std::fflush(stdout);
  };
}

bool PanelSimulator::start() {
  stdin_ = std::make_unique<QSocketNotifier>(STDIN_FILENO, QSocketNotifier::Read);
  connect(stdin_.get(), &QSocketNotifier::activated, this, &PanelSimulator::onStdin);
  if (options_.listen) {
    if (!server_.listen(QHostAddress::Any, options_.listenPort)) {
      print(QStringLiteral("cannot listen on %1: %2").arg(options_.listenPort).arg(server_.errorString()));
      return false;
    }
    print(QStringLiteral("listening on %1").arg(server_.serverPort()));
  }
  if (options_.callInPort != 0) callIn(options_.callInHost, options_.callInPort);
  return true;
}

void PanelSimulator::callIn(const QString& host, quint16 port) {
  auto* socket = new QTcpSocket;
  connect(socket, &QTcpSocket::connected, this, [this, socket, host, port] {
    // From here on the link's own close handling takes over.
    disconnect(socket, &QTcpSocket::errorOccurred, this, nullptr);
    print(QStringLiteral("called in to %1:%2").arg(host).arg(port));
    attach(socket, ModuleEndpoint::Role::CalledIn);
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    print(QStringLiteral("call in failed: %1").arg(socket->errorString()));
    socket->deleteLater();
    if (options_.exitWhenLinkCloses) QCoreApplication::exit(1);
  });
  socket->connectToHost(host, port);
}

void PanelSimulator::onNewConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    if (link_ && link_->stage() != ModuleEndpoint::Stage::Closed) {
      print(QStringLiteral("second caller dropped"));
      socket->abort();
      socket->deleteLater();
      continue;
    }
    print(QStringLiteral("PC called from %1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()));
    attach(socket, ModuleEndpoint::Role::Answering);
  }
}

void PanelSimulator::attach(QTcpSocket* socket, ModuleEndpoint::Role role) {
  auto* endpoint = new ModuleEndpoint(socket, role, options_.policy, this);
  endpoint->setSplitWrites(options_.splitWrites);
  link_ = endpoint;
  // The endpoint goes away when its link closes, while commands may still change the panel.
  model_->setFrameSink([endpoint = QPointer<ModuleEndpoint>(endpoint)](PanelModel::Bytes frame) {
    if (endpoint) endpoint->sendData(frame);
  });
  connect(endpoint, &ModuleEndpoint::note, this, &PanelSimulator::print);
  connect(endpoint, &ModuleEndpoint::linkUp, this, [this] {
    print(QStringLiteral("link up"));
    model_->linkUp();
    clock_.start();
  });
  connect(endpoint, &ModuleEndpoint::dataReceived, this, [this](const QByteArray& bytes) {
    model_->receive(PanelModel::Bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
  });
  connect(endpoint, &ModuleEndpoint::closed, this, [this, endpoint] {
    print(QStringLiteral("link closed"));
    if (link_ == endpoint) clock_.stop();
    endpoint->deleteLater();
    if (options_.exitWhenLinkCloses) QCoreApplication::quit();
  });
  connect(endpoint, &ModuleEndpoint::loginOnlyAccepted, this, [this, endpoint] {
    // An authorised PC, or a receiver asking on its behalf: the module rings the PC back.
    if (options_.callBackPort == 0) return;
    const QString pc = endpoint->peerAddress().toString();
    QTimer::singleShot(300, this, [this, pc] { callIn(pc, options_.callBackPort); });
  });
  endpoint->start();
  if (role == ModuleEndpoint::Role::CalledIn) emit endpoint->linkUp();
}

namespace {

// "A", "B" or nothing (both areas); 0 for anything else.
std::uint8_t ParseAreas(const QStringList& words, qsizetype at) {
  if (words.size() <= at) return AlarmPanel::kAllAreas;
  if (words.size() > at + 1) return 0;
  const QString area = words[at].toUpper();
  if (area == QLatin1String("A")) return AlarmPanel::kAreaA;
  if (area == QLatin1String("B")) return AlarmPanel::kAreaB;
  if (area == QLatin1String("AB")) return AlarmPanel::kAllAreas;
  return 0;
}

// "on" / "off" at words[at], or `fallback` when the word is missing.
std::optional<bool> ParseSwitch(const QStringList& words, qsizetype at, std::optional<bool> fallback) {
  if (words.size() <= at) return fallback;
  if (words.size() > at + 1) return std::nullopt;
  if (words[at].compare(QLatin1String("on"), Qt::CaseInsensitive) == 0) return true;
  if (words[at].compare(QLatin1String("off"), Qt::CaseInsensitive) == 0) return false;
  return std::nullopt;
}

int ParseNumber(const QStringList& words, qsizetype at) {
  bool ok = false;
  const int n = words.size() > at ? words[at].toInt(&ok) : 0;
  return ok ? n : 0;
}

}  // namespace

bool PanelSimulator::command(const QString& line) {
  const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return true;
  const QString verb = words.first().toLower();
  const QString what = words.size() > 1 ? words[1].toLower() : QString();
  AlarmPanel& panel = model_->panel();
  bool done = false;

  if (verb == QLatin1String("zone") && words.size() >= 3) {
    const int zone = ParseNumber(words, 2);
    if (what == QLatin1String("open") && words.size() == 3) done = panel.setZoneOpen(zone, true);
    else if (what == QLatin1String("close") && words.size() == 3) done = panel.setZoneOpen(zone, false);
    else if (what == QLatin1String("alarm") && words.size() == 3) done = panel.raiseZoneAlarm(zone);
    else if (what == QLatin1String("tamper")) {
      const std::optional<bool> on = ParseSwitch(words, 3, true);
      done = on && panel.setZoneTamper(zone, *on);
    }
  } else if (verb == QLatin1String("trouble") && words.size() == 3) {
    const std::optional<bool> on = ParseSwitch(words, 2, std::nullopt);
    static const std::pair<const char*, AlarmPanel::Trouble> kTroubles[] = {
        {"battery", AlarmPanel::kBattery}, {"power", AlarmPanel::kPower},
        {"fuse", AlarmPanel::kFuse},       {"line", AlarmPanel::kLine}};
    for (const auto& [name, trouble] : kTroubles) {
      if (on && what == QLatin1String(name)) {
        panel.setTrouble(trouble, *on);
        done = true;
      }
    }
  } else if (verb == QLatin1String("output") && words.size() == 3) {
    if (what == QLatin1String("on") || what == QLatin1String("off"))
      done = panel.setOutput(ParseNumber(words, 2), what == QLatin1String("on"));
  } else if (verb == QLatin1String("arm") || verb == QLatin1String("stay") || verb == QLatin1String("disarm")) {
    const std::uint8_t areas = ParseAreas(words, 1);
    if (areas != 0) {
      if (verb == QLatin1String("arm")) panel.arm(areas);
      else if (verb == QLatin1String("stay")) panel.stayArm(areas);
      else panel.disarm(areas);
      done = true;
    }
  } else if (verb == QLatin1String("clock") && words.size() == 3) {
    const QDateTime when = QDateTime::fromString(words[1] + QLatin1Char(' ') + words[2],
                                                 QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    if (when.isValid() && when.date().year() >= 2000 && when.date().year() <= 2255) {
      std::tm tm{};
      tm.tm_year = when.date().year() - 1900;
      tm.tm_mon = when.date().month() - 1;
      tm.tm_mday = when.date().day();
      tm.tm_hour = when.time().hour();
      tm.tm_min = when.time().minute();
      tm.tm_sec = when.time().second();
      tm.tm_isdst = -1;
      model_->setClock(tm);
      model_->sendClock();
      return true;
    }
  } else if (verb == QLatin1String("status") && words.size() == 1) {
    for (const std::string& text : panel.describe()) print(QString::fromStdString(text));
    return true;
  } else if (verb == QLatin1String("drop") && words.size() == 1) {
    if (link_) link_->close();
    return true;
  } else if (verb == QLatin1String("raw")) {
    std::vector<std::uint8_t> bytes;
    for (qsizetype i = 1; i < words.size(); ++i) {
      bool ok = false;
      const uint value = words[i].toUInt(&ok, 16);
      if (!ok || value > 0xFF) return false;
      bytes.push_back(static_cast<std::uint8_t>(value));
    }
    if (link_) link_->sendData(bytes);
    return true;
  } else if (verb == QLatin1String("quit") && words.size() == 1) {
    QCoreApplication::quit();
    return true;
  }
  if (done) model_->publishChanges();
  return done;
}

void PanelSimulator::onStdin() {
  char buffer[4096];
  const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
  if (n <= 0) {
    stdin_->setEnabled(false);  // no more commands; keep running
    return;
  }
  stdinPending_.append(buffer, n);
  qsizetype newline;
  while ((newline = stdinPending_.indexOf('\n')) >= 0) {
    const QString line = QString::fromUtf8(stdinPending_.left(newline));
    stdinPending_.remove(0, newline + 1);
    if (!command(line)) print(QStringLiteral("unknown command: %1").arg(line));
  }
}

void PanelSimulator::print(const QString& line) {
  std::fprintf(stdout, "sim: %s\n", line.toLocal8Bit().constData());
  std::fflush(stdout);
}

}  // namespace sim
