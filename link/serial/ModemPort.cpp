#include "link/serial/ModemPort.h"

#include <QDeadlineTimer>
#include <QSerialPort>
#include <algorithm>

#include <poll.h>

#include <cerrno>

namespace serial {
namespace {

constexpr qint32 kBaudRate = 115200;
constexpr int kWriteBaseMs = 100;
constexpr int kWritePerByteMs = 10;
// How often an interruptible wait looks at its interrupt.
constexpr int kSliceMs = 20;

bool MeansDeviceGone(QSerialPort::SerialPortError error) {
  return error == QSerialPort::ResourceError || error == QSerialPort::DeviceNotFoundError ||
         error == QSerialPort::PermissionError;
}

}  // namespace

ModemPort::ModemPort() = default;

ModemPort::~ModemPort() { close(); }

bool ModemPort::open(const QString& path) {
  close();
  lost_ = false;
  dtrRaised_ = false;
  auto port = std::make_unique<QSerialPort>(path);
  port->setBaudRate(kBaudRate);
  port->setDataBits(QSerialPort::Data8);
  port->setParity(QSerialPort::NoParity);
  port->setStopBits(QSerialPort::OneStop);
  port->setFlowControl(QSerialPort::NoFlowControl);
  // QSerialPort opens exclusively and in raw mode.
  if (!port->open(QIODevice::ReadWrite)) return false;
  // Modem lines are best effort: a pseudo-terminal has none, and the modem
  // does not depend on them for the envelopes.
  dtrRaised_ = port->setDataTerminalReady(true);
  port->setRequestToSend(false);
  port->clearError();
  port_ = std::move(port);
  return true;
}

void ModemPort::close() {
  if (!port_) return;
  port_->close();
  port_.reset();
}

bool ModemPort::isOpen() const { return port_ && port_->isOpen() && !lost_; }

void ModemPort::noteError() {
  const QSerialPort::SerialPortError error = port_->error();
  if (error == QSerialPort::NoError) return;
  port_->clearError();
  if (MeansDeviceGone(error)) {
    lost_ = true;
    return;
  }
  // A failed read or write on a device that has gone reports no resource
  // error of its own; the hang-up tells.
  pollfd watch{static_cast<int>(port_->handle()), 0, 0};
  if (::poll(&watch, 1, 0) > 0 && (watch.revents & (POLLHUP | POLLERR | POLLNVAL))) lost_ = true;
}

bool ModemPort::write(std::span<const std::uint8_t> bytes) {
  if (!isOpen()) return false;
  const auto total = static_cast<qint64>(bytes.size());
  QDeadlineTimer deadline(kWriteBaseMs + kWritePerByteMs * total);
  if (port_->write(reinterpret_cast<const char*>(bytes.data()), total) != total) {
    noteError();
    return false;
  }
  while (port_->bytesToWrite() > 0) {
    const qint64 left = deadline.remainingTime();
    if (left <= 0 || !port_->waitForBytesWritten(static_cast<int>(left))) {
      noteError();
      return port_->bytesToWrite() == 0;
    }
  }
  return true;
}

int ModemPort::readByte(int timeoutMs, const Interrupt& interrupted) {
  if (!isOpen()) return kFailed;
  QDeadlineTimer deadline(std::max(timeoutMs, 0));
  while (port_->bytesAvailable() == 0) {
    if (interrupted && interrupted()) return kInterrupted;
    const qint64 left = deadline.remainingTime();
    if (left <= 0) return kTimedOut;
    const int slice = static_cast<int>(interrupted ? std::min<qint64>(left, kSliceMs) : left);
    // Polled here rather than in waitForReadyRead, which neither reports a
    // hang-up (an unplugged modem, a closed pseudo-terminal) nor sleeps on it.
    pollfd watch{static_cast<int>(port_->handle()), POLLIN, 0};
    const int ready = ::poll(&watch, 1, slice);
    if (ready < 0 && errno != EINTR) {
      lost_ = true;
      return kFailed;
    }
    if (ready <= 0) continue;
    if (watch.revents & POLLIN) {
      port_->waitForReadyRead(0);
      noteError();
    }
    if (port_->bytesAvailable() == 0 && (lost_ || (watch.revents & (POLLHUP | POLLERR | POLLNVAL)))) {
      lost_ = true;
      return kFailed;
    }
  }
  char byte = 0;
  if (!port_->getChar(&byte)) {
    noteError();
    return kFailed;
  }
  return static_cast<std::uint8_t>(byte);
}

}  // namespace serial
