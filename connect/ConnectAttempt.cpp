#include "connect/ConnectAttempt.h"

#include <cstdint>

#include "link/CClientSocket.h"
#include "link/CWorkSocket.h"
#include "link/PanelLink.h"

namespace connection {

ConnectAttempt::ConnectAttempt(QObject* parent) : QObject(parent), timer_(this) {
  connect(&timer_, &platform::OneShotTimer::timeout, this, [this] { onVerdict(2, kTimeoutCode); });
}

ConnectAttempt::~ConnectAttempt() = default;

void ConnectAttempt::drop() {
  if (client_) {
    client_->disconnect(this);
    client_->close();
    client_->deleteLater();
    client_ = nullptr;
  }
  if (work_) work_->disconnect(this);
  work_ = nullptr;
  panel::PanelLink::instance().closeCurrentConnection();
}

void ConnectAttempt::start(Mode mode, const QString& host, quint16 port, const std::string& secret) {
  drop();
  panel::PanelLink& link = panel::PanelLink::instance();
  if (mode == kDirectWithPassword) {
    auto* socket = new panel::CWorkSocket(link);
    work_ = socket;
    connect(socket, &panel::CWorkSocket::linkVerdict, this, &ConnectAttempt::onVerdict);
    socket->setPassword(secret);
    link.setCurrentConnection(socket);
    socket->connectToModule(host, port);
  } else {
    client_ = new panel::CClientSocket(link, mode, secret, this);
    connect(client_, &panel::CClientSocket::linkVerdict, this, &ConnectAttempt::onVerdict);
    client_->connectToModule(host, port);
  }
  timer_.start(kTimeoutMs);
}

void ConnectAttempt::abandon() {
  timer_.stop();
  panel::PanelLink& link = panel::PanelLink::instance();
  if (work_ && link.currentConnection() == work_.data()) link.closeCurrentConnection();
  if (client_) client_->close();
}

void ConnectAttempt::onVerdict(int status, int code) {
  if (status == 1) {
    timer_.stop();
    panel::PanelLink::instance().setActiveLink(panel::LinkKind::Tcp);
    emit connected();
  } else if (status == 2) {
    timer_.stop();
    // A refused or timed-out login carries nothing: close it now, so it neither
    // holds the module's line against the next attempt nor turns away a module
    // that calls in.
    panel::PanelLink& link = panel::PanelLink::instance();
    if (work_ && link.currentConnection() == work_.data()) link.closeCurrentConnection();
    emit failed(code);
  }
}

QString ConnectAttempt::ResultText(int code) {
  switch (static_cast<std::int8_t>(code)) {
    case -1: return tr("Account fail");
    case -2: return tr("Unit off-line");
    case -3: return tr("Unit not answer");
    case -4: return tr("Account error");
    case -5: return tr("Reseiver not found");
    case -6: return tr("Password error");
    case -7:
    case -17: return tr("Request from Not autorized PC");
    default: return tr("Reseiver not answer");
  }
}

}  // namespace connection
