#pragma once

#include <QObject>
#include <functional>
#include <memory>
#include <optional>

#include "connect/GsmDial.h"
#include "ctl/CtlOptions.h"
#include "ctl/StatusView.h"
#include "link/PanelLink.h"
#include "link/serial/SerialCommands.h"

namespace panel {
class CListenSocket;
}

namespace ctl {

class Interrupts;
class Progress;

// tarnelctl's hold on the panel: it is the link's main window for the run,
// opens the link by the chosen route, puts the panel into program mode and
// takes it out again, and keeps what the status frames say. Work runs in
// waits on the event loop that end early when the link drops or a signal
// comes in.
class PanelSession : public QObject, public panel::LinkListener, public serial::SerialResultHandler {
  Q_OBJECT
 public:
  enum class Wait { Done, TimedOut, LinkLost, Interrupted };

  PanelSession(const CtlOptions& options, Progress& progress, Interrupts& interrupts, QObject* parent = nullptr);
  ~PanelSession() override;

  // The link by the options' route: an ExitCode (kSuccess when it stands).
  int open();
  // Program mode with the installer code: kSuccess, kNoProgramMode, kLinkLost or kInterrupted.
  int enterProgramMode();
  // Leaves program mode if the panel may be in it (or says why it cannot),
  // then hangs up. A first interrupt does not cut this short. False when the
  // panel may be left in program mode.
  bool close();
  // Whether the panel's lamps show program mode; nothing when they did not
  // come within the time-out (or the wait was cut short).
  std::optional<bool> panelInProgramMode();
  // 7E A0 07 00 7E, confirmed by the lamps when they showed program mode;
  // false when they still show it.
  bool leaveProgramMode();
  // Ctrl+C, SIGTERM, SIGHUP or SIGQUIT has come.
  bool interrupted() const;

  void send(const panel::FrameBytes& frame);
  // Runs the event loop until done() holds, the link drops, an interrupt
  // comes in, or timeoutMs passes (none when negative).
  Wait waitFor(const std::function<bool()>& done, int timeoutMs);
  // Every frame from the panel also goes here (the command's job).
  void setFrameTap(std::function<void(const std::uint8_t*, std::size_t)> tap) { tap_ = std::move(tap); }
  // And here, before the tap, whatever the command (the session journal).
  void setFrameWatcher(std::function<void(const std::uint8_t*, std::size_t)> watcher) {
    watcher_ = std::move(watcher);
  }
  // Ends the current wait if its condition now holds (for other objects' signals).
  void poke() { emit changed(); }
  // Interrupts so far are dealt with: waits no longer end for them.
  void acknowledgeInterrupts();

  const StatusView& status() const { return status_; }
  bool linkLost() const { return lost_; }

  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override;
  void handleLinkClosed() override;
  void handleSerialResult(int code, int value) override;

 signals:
  void changed();

 private:
  bool linkStands() const;
  int listen();
  int waitForCaller(const QString& what);
  int callOut(int mode, const QString& host);
  int searchReceivers();
  int dial();
  int gsmGivenUp(int code, const QString& why);
  int linkLostBeforeProgramMode();
  void hangUp();

  const CtlOptions& options_;
  Progress& progress_;
  Interrupts& interrupts_;
  int acknowledgedInterrupts_ = 0;
  std::unique_ptr<panel::CListenSocket> listener_;
  std::optional<connection::GsmDial> dial_;
  StatusView status_;
  std::optional<console::ProgramModeAnswer> programAnswer_;
  std::function<void(const std::uint8_t*, std::size_t)> tap_;
  std::function<void(const std::uint8_t*, std::size_t)> watcher_;
  bool lost_ = false;
  bool mayBeInProgramMode_ = false;
};

}  // namespace ctl
