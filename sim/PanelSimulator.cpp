#include "sim/PanelSimulator.h"

#include <QCoreApplication>
#include <QTextStream>
#include <unistd.h>

#include <cstdio>

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
  if (options_.callInPort != 0) callIn();
  return true;
}

void PanelSimulator::callIn() {
  auto* socket = new QTcpSocket;
  connect(socket, &QTcpSocket::connected, this, [this, socket] {
    // From here on the link's own close handling takes over.
    disconnect(socket, &QTcpSocket::errorOccurred, this, nullptr);
    print(QStringLiteral("called in to %1:%2").arg(options_.callInHost).arg(options_.callInPort));
    attach(socket, ModuleEndpoint::Role::CalledIn);
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError) {
    print(QStringLiteral("call in failed: %1").arg(socket->errorString()));
    socket->deleteLater();
    if (options_.exitWhenLinkCloses) QCoreApplication::exit(1);
  });
  socket->connectToHost(options_.callInHost, options_.callInPort);
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
  model_->setFrameSink([endpoint](PanelModel::Bytes frame) { endpoint->sendData(frame); });
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
  endpoint->start();
  if (role == ModuleEndpoint::Role::CalledIn) emit endpoint->linkUp();
}

bool PanelSimulator::command(const QString& line) {
  const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return true;
  const QString verb = words.first().toLower();
  if (verb == QLatin1String("drop")) {
    if (link_) link_->close();
    return true;
  }
  if (verb == QLatin1String("raw")) {
    std::vector<std::uint8_t> bytes;
    for (qsizetype i = 1; i < words.size(); ++i) {
      bool ok = false;
      const uint value = words[i].toUInt(&ok, 16);
      if (!ok || value > 0xFF) return false;
      bytes.push_back(static_cast<std::uint8_t>(value));
    }
    if (link_) link_->sendData(bytes);
    return true;
  }
  if (verb == QLatin1String("quit")) {
    QCoreApplication::quit();
    return true;
  }
  return false;
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
