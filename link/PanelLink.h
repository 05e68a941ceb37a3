#pragma once

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <string_view>

#include "core/link/DebugLogLine.h"
#include "core/link/LinkCipher.h"
#include "core/link/LinkHandshake.h"
#include "core/link/PanelFrameHandler.h"
#include "core/link/PanelFrames.h"

namespace panel {

// Where SendPanelFrame's bytes go. TCP scrambles them in place when its
// connection asks for it; the serial side copies them into its own buffer.
class FrameTransport {
 public:
  // owner receives the serial worker's answers; TCP ignores it.
  virtual void transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) = 0;

 protected:
  ~FrameTransport() = default;
};

// A frame-carrying TCP connection as the link layer sees it.
class LinkConnection : public FrameTransport {
 public:
  virtual ~LinkConnection() = default;
  virtual void closeConnection() = 0;
  virtual bool isOpen() const = 0;
  // Connecting or connected: while it does, no caller may take its place.
  virtual bool holdsLine() const { return isOpen(); }
  // A panel on a site is at the other end, not one held in this program.
  virtual bool reachesSite() const { return true; }
};

// The main window's side of the link: frames, and the news that the link closed.
class LinkListener : public PanelFrameHandler {
 public:
  virtual void handleLinkClosed() = 0;

 protected:
  ~LinkListener() = default;
};

// The debug window's log.
class DebugLogSink {
 public:
  virtual void appendLogLine(std::string_view line) = 0;

 protected:
  ~DebugLogSink() = default;
};

enum class LinkKind : int { Tcp = 0, Serial = 1 };

// Process-wide link state: which transport is active, the one scrambling key
// and its positions, the current TCP connection, the serial side, and the
// windows that watch the traffic. Everything here runs on the UI thread.
class PanelLink {
 public:
  static PanelLink& instance();

  PanelLink() = default;
  PanelLink(const PanelLink&) = delete;
  PanelLink& operator=(const PanelLink&) = delete;

  // Logs, beeps and hands the bytes to the active transport. On TCP the bytes
  // may be scrambled in place.
  void send(std::uint8_t* bytes, QObject* owner, std::uint16_t length);

  LinkKind activeLink() const { return activeLink_; }
  void setActiveLink(LinkKind kind) { activeLink_ = kind; }

  LinkCipher& cipher() { return cipher_; }
  const LinkSecrets& secrets() const { return secrets_; }
  void setSecrets(const LinkSecrets& secrets) { secrets_ = secrets; }

  // The current connection; a QObject one is deleted once replaced or cleared.
  LinkConnection* currentConnection() const { return current_; }
  void setCurrentConnection(LinkConnection* connection);
  // Closes and drops the current connection, if any.
  void closeCurrentConnection();
  // Called by a connection that is going away on its own.
  void forgetConnection(const LinkConnection* connection);

  // Non-null while a serial worker runs.
  void setSerialTransport(FrameTransport* transport) { serial_ = transport; }
  FrameTransport* serialTransport() const { return serial_; }

  // Sees every send as it is handed over, before TCP scrambles it (the
  // session journal); one watcher at a time, none to stop.
  void setSendWatcher(std::function<void(std::span<const std::uint8_t>)> watcher) { sendWatcher_ = std::move(watcher); }

  void setDebugSink(DebugLogSink* sink) { debugSink_ = sink; }
  DebugLogSink* debugSink() const { return debugSink_; }

  // The window that receives frames and link-closed news from new connections.
  void setMainWindow(LinkListener* window) { mainWindow_ = window; }
  LinkListener* mainWindow() const { return mainWindow_; }

  // Back to the state at start-up (for tests and a clean restart).
  void reset();

 private:
  LinkKind activeLink_ = LinkKind::Tcp;
  LinkCipher cipher_;
  LinkSecrets secrets_ = DefaultLinkSecrets();
  LinkConnection* current_ = nullptr;
  FrameTransport* serial_ = nullptr;
  DebugLogSink* debugSink_ = nullptr;
  std::function<void(std::span<const std::uint8_t>)> sendWatcher_;
  LinkListener* mainWindow_ = nullptr;
  std::array<char, kLogLineCapacity> logLine_{};
};

// The one send path of tarnel (owner: the window that gets serial answers).
void SendPanelFrame(std::uint8_t* bytes, QObject* owner, std::uint16_t length);
// Convenience for built frames; sends a copy, so the caller's frame stays plain.
void SendPanelFrame(FrameBytes frame, QObject* owner = nullptr);

}  // namespace panel
