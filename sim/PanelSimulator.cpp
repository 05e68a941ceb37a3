#include "sim/PanelSimulator.h"

#include <QCoreApplication>

#include <cstdio>

#include "core/link/DebugLogLine.h"
#include "sim/SimConsole.h"

namespace sim {

PanelSimulator::PanelSimulator(PanelSimulatorOptions options, std::unique_ptr<PanelModel> model, QObject* parent)
    : QObject(parent), options_(std::move(options)), model_(std::move(model)) {
  // The panel's clock runs whether or not a PC is connected.
  clock_.setInterval(1000);
  connect(&clock_, &QTimer::timeout, this, [this] { model_->tick(); });
  clock_.start();
  connect(&server_, &QTcpServer::newConnection, this, &PanelSimulator::onNewConnection);
  // A real module keeps calling until the PC takes the call, and calls again
  // when the link drops.
  redial_.setSingleShot(true);
  redial_.setInterval(options_.redialMs);
  connect(&redial_, &QTimer::timeout, this, [this] {
    // A PC that called our listening port meanwhile has the link: try later.
    if (linkInUse()) {
      redial_.start();
      return;
    }
    callIn(options_.callInHost, options_.callInPort, Redial::Yes);
  });
  model_->onMessage = [this](PanelModel::Bytes message) {
    std::array<char, panel::kLogLineCapacity> line;
    const std::size_t n = panel::FormatReceivedLogLine(panel::LocalTimeNow(), message, line);
    std::fwrite(line.data(), 1, n, stdout);
    std::fflush(stdout);
  };
}

bool PanelSimulator::start() {
  stdin_ = std::make_unique<StdinCommands>([this](const QString& line) { return command(line); }, this);
  if (options_.listen) {
    if (!server_.listen(QHostAddress::Any, options_.listenPort)) {
      print(QStringLiteral("cannot listen on %1: %2").arg(options_.listenPort).arg(server_.errorString()));
      return false;
    }
    print(QStringLiteral("listening on %1").arg(server_.serverPort()));
  }
  if (options_.callInPort != 0) callIn(options_.callInHost, options_.callInPort, Redial::Yes);
  return true;
}

void PanelSimulator::callIn(const QString& host, quint16 port, Redial redial) {
  auto* socket = new QTcpSocket;
  connect(socket, &QTcpSocket::connected, this, [this, socket, host, port, redial] {
    // From here on the link's own close handling takes over.
    disconnect(socket, &QTcpSocket::errorOccurred, this, nullptr);
    if (linkInUse()) {
      print(QStringLiteral("call to %1:%2 dropped: a PC has the link").arg(host).arg(port));
      socket->abort();
      socket->deleteLater();
      if (redial == Redial::Yes) redialLater();
      return;
    }
    print(QStringLiteral("called in to %1:%2").arg(host).arg(port));
    attach(socket, ModuleEndpoint::Role::CalledIn);
    if (redial == Redial::Yes) connect(link_, &ModuleEndpoint::closed, this, &PanelSimulator::redialLater);
  });
  connect(socket, &QTcpSocket::errorOccurred, this, [this, socket, redial](QAbstractSocket::SocketError) {
    print(QStringLiteral("call in failed: %1").arg(socket->errorString()));
    socket->deleteLater();
    if (options_.exitWhenLinkCloses) QCoreApplication::exit(1);
    if (redial == Redial::Yes) redialLater();
  });
  socket->connectToHost(host, port);
}

void PanelSimulator::redialLater() {
  if (options_.exitWhenLinkCloses) return;
  print(QStringLiteral("calling again in %1 ms").arg(options_.redialMs));
  redial_.start();
}

bool PanelSimulator::linkInUse() const { return link_ && link_->stage() != ModuleEndpoint::Stage::Closed; }

void PanelSimulator::onNewConnection() {
  while (QTcpSocket* socket = server_.nextPendingConnection()) {
    if (linkInUse()) {
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
  auto* endpoint = new ModuleEndpoint(socket, role, options_.policy, options_.linkShape, this);
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
  });
  connect(endpoint, &ModuleEndpoint::dataReceived, this, [this](const QByteArray& bytes) {
    model_->receive(PanelModel::Bytes(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                      static_cast<std::size_t>(bytes.size())));
  });
  connect(endpoint, &ModuleEndpoint::closed, this, [this, endpoint] {
    print(QStringLiteral("link closed"));
    endpoint->deleteLater();
    if (options_.exitWhenLinkCloses) QCoreApplication::quit();
  });
  connect(endpoint, &ModuleEndpoint::loginOnlyAccepted, this, [this, endpoint] {
    // An authorised PC, or a receiver asking on its behalf: the module rings the PC back.
    if (options_.callBackPort == 0) return;
    const QString pc = endpoint->peerAddress().toString();
    QTimer::singleShot(300, this, [this, pc] { callIn(pc, options_.callBackPort, Redial::No); });
  });
  endpoint->start();
  if (role == ModuleEndpoint::Role::CalledIn) emit endpoint->linkUp();
}

bool PanelSimulator::command(const QString& line) {
  const QStringList words = line.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (words.isEmpty()) return true;
  const QString verb = words.first().toLower();
  if (verb == QLatin1String("drop") && words.size() == 1) {
    if (link_) link_->close();
    return true;
  }
  if (verb == QLatin1String("raw")) {
    std::vector<std::uint8_t> bytes;
    if (!ParseRawBytes(words, bytes)) return false;
    if (link_) link_->sendData(bytes);
    return true;
  }
  if (verb == QLatin1String("quit") && words.size() == 1) {
    QCoreApplication::quit();
    return true;
  }
  return RunPanelCommand(*model_, words);
}

void PanelSimulator::print(const QString& line) { PrintSimLine(line); }

}  // namespace sim
