#include "link/PanelLink.h"

#include "platform/Beeper.h"

namespace panel {

PanelLink& PanelLink::instance() {
  static PanelLink link;
  return link;
}

void PanelLink::send(std::uint8_t* bytes, QObject* owner, std::uint16_t length) {
  const std::span<const std::uint8_t> view(bytes, length);
  const std::size_t lineLength = FormatSentLogLine(LocalTimeNow(), view, logLine_);
  if (debugSink_) debugSink_->appendLogLine(std::string_view(logLine_.data(), lineLength));

  if (sendWatcher_) sendWatcher_(view);
  platform::Beeper::current().beep(2000, 20);

  if (activeLink_ == LinkKind::Tcp) {
    if (current_) current_->transmit(bytes, length, owner);
  } else if (serial_) {
    serial_->transmit(bytes, length, owner);
  }
}

void PanelLink::setCurrentConnection(LinkConnection* connection) {
  if (current_ == connection) return;
  LinkConnection* old = current_;
  current_ = connection;
  if (!old) return;
  old->closeConnection();
  // Replacement may happen inside the old connection's own notification.
  if (auto* object = dynamic_cast<QObject*>(old)) object->deleteLater();
}

void PanelLink::closeCurrentConnection() { setCurrentConnection(nullptr); }

void PanelLink::forgetConnection(const LinkConnection* connection) {
  if (current_ == connection) current_ = nullptr;
}

void PanelLink::reset() {
  closeCurrentConnection();
  activeLink_ = LinkKind::Tcp;
  cipher_ = LinkCipher{};
  serial_ = nullptr;
  debugSink_ = nullptr;
  sendWatcher_ = nullptr;
  mainWindow_ = nullptr;
}

void SendPanelFrame(std::uint8_t* bytes, QObject* owner, std::uint16_t length) {
  PanelLink::instance().send(bytes, owner, length);
}

void SendPanelFrame(FrameBytes frame, QObject* owner) {
  PanelLink::instance().send(frame.data(), owner, frame.size());
}

}  // namespace panel
