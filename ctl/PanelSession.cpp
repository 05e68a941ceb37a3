#include "ctl/PanelSession.h"

#include <QDeadlineTimer>
#include <QEventLoop>
#include <QTimer>

#include "connect/ConnectAttempt.h"
#include "connect/GsmCallSteps.h"
#include "core/keypad/CommandKeys.h"
#include "ctl/ExitCode.h"
#include "ctl/Interrupts.h"
#include "ctl/Progress.h"
#include "link/CListenSocket.h"
#include "link/CWorkSocket.h"
#include "link/serial/ModemPortList.h"
#include "link/serial/SerialWorker.h"
#include "link/serial/SerialWorkerRecord.h"
#include "platform/Timing.h"

namespace ctl {
namespace {

constexpr int kProgramAnswerMs = 5000;
constexpr int kLeaveConfirmMs = 2000;
// The worker waits up to 2000 ms for the modem's answer to a hang-up.
constexpr int kHangUpWaitMs = 3000;
// As the keypad window's Disconnect: the modem's end-of-call gets this long.
constexpr int kEndOfCallPauseMs = 500;
constexpr std::uint8_t kPanelClosesByte = 0x15;

}  // namespace

PanelSession::PanelSession(const CtlOptions& options, Progress& progress, Interrupts& interrupts, QObject* parent)
    : QObject(parent), options_(options), progress_(progress), interrupts_(interrupts) {
  connect(&interrupts_, &Interrupts::interrupted, this, &PanelSession::changed);
  panel::PanelLink::instance().setMainWindow(this);
}

PanelSession::~PanelSession() {
  panel::PanelLink& link = panel::PanelLink::instance();
  if (link.mainWindow() == this) link.setMainWindow(nullptr);
  link.closeCurrentConnection();
  serial::StopSerialWorker(nullptr);
}

bool PanelSession::linkStands() const {
  if (lost_) return false;
  const panel::PanelLink& link = panel::PanelLink::instance();
  if (link.activeLink() == panel::LinkKind::Serial) return link.serialTransport() != nullptr;
  return link.currentConnection() && link.currentConnection()->isOpen();
}

bool PanelSession::interrupted() const { return interrupts_.count() > acknowledgedInterrupts_; }

void PanelSession::acknowledgeInterrupts() { acknowledgedInterrupts_ = interrupts_.count(); }

PanelSession::Wait PanelSession::waitFor(const std::function<bool()>& done, int timeoutMs) {
  const auto verdict = [&]() -> std::optional<Wait> {
    if (done()) return Wait::Done;
    if (interrupted()) return Wait::Interrupted;
    if (lost_) return Wait::LinkLost;
    return std::nullopt;
  };
  if (const auto now = verdict()) return *now;
  QEventLoop loop;
  Wait result = Wait::TimedOut;
  const QMetaObject::Connection check = connect(this, &PanelSession::changed, &loop, [&] {
    if (const auto now = verdict()) {
      result = *now;
      loop.quit();
    }
  });
  QTimer timer;
  timer.setSingleShot(true);
  connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
  if (timeoutMs >= 0) timer.start(timeoutMs);
  loop.exec();
  disconnect(check);
  return result;
}

void PanelSession::send(const panel::FrameBytes& frame) { panel::SendPanelFrame(frame, this); }

// ---- opening the link

int PanelSession::open() {
  switch (options_.route) {
    case Route::Listen:
      if (const int failed = listen()) return failed;
      return waitForCaller(tr("Waiting for the module to call in on port %1").arg(options_.listenPort));
    case Route::CallAuthorised:
      // Listening first, so the call back finds the port open.
      if (const int failed = listen()) return failed;
      if (const int failed = callOut(connection::ConnectAttempt::kDirectAuthorised, options_.host)) return failed;
      return waitForCaller(tr("Waiting for the module to call back on port %1").arg(options_.listenPort));
    case Route::Receivers:
      if (const int failed = listen()) return failed;
      if (const int failed = searchReceivers()) return failed;
      return waitForCaller(tr("Waiting for the module to call back on port %1").arg(options_.listenPort));
    case Route::CallWithPassword: return callOut(connection::ConnectAttempt::kDirectWithPassword, options_.host);
    case Route::Gsm: return dial();
  }
  return kNoConnection;
}

int PanelSession::listen() {
  listener_ = std::make_unique<panel::CListenSocket>(panel::PanelLink::instance());
  connect(listener_.get(), &panel::CListenSocket::callerTaken, this, &PanelSession::changed);
  if (listener_->listen(options_.listenPort)) return kSuccess;
  Say(progress_, tr("cannot listen on port %1: %2").arg(options_.listenPort).arg(listener_->server().errorString()));
  return kNoConnection;
}

int PanelSession::waitForCaller(const QString& what) {
  progress_.step(what);
  QDeadlineTimer deadline(options_.timeoutSeconds * 1000);
  for (;;) {
    switch (waitFor([this] { return linkStands(); }, static_cast<int>(deadline.remainingTime()))) {
      case Wait::Done:
        panel::PanelLink::instance().setActiveLink(panel::LinkKind::Tcp);
        return kSuccess;
      case Wait::Interrupted: return kInterrupted;
      case Wait::LinkLost:
        // A module that hangs up at once calls again.
        lost_ = false;
        continue;
      case Wait::TimedOut: break;
    }
    Say(progress_,
        tr("no call from the module on port %1 within %2 s").arg(options_.listenPort).arg(options_.timeoutSeconds));
    return kNoConnection;
  }
}

// Each receiver in turn, as the connection dialog's search does; the first
// that takes the request ends the search.
int PanelSession::searchReceivers() {
  int result = kNoConnection;
  for (const QString& receiver : options_.receivers) {
    if (receiver.isEmpty()) continue;
    result = callOut(connection::ConnectAttempt::kThroughReceiver, receiver);
    if (result != kNoConnection) return result;
  }
  return result;
}

int PanelSession::callOut(int mode, const QString& host) {
  progress_.step(tr("Connecting to %1:%2").arg(host).arg(options_.callPort));
  connection::ConnectAttempt attempt;
  std::optional<int> failure;
  bool accepted = false;
  connect(&attempt, &connection::ConnectAttempt::connected, this, [&] {
    accepted = true;
    emit changed();
  });
  connect(&attempt, &connection::ConnectAttempt::failed, this, [&](int code) {
    failure = code;
    emit changed();
  });
  const QString secret = mode == connection::ConnectAttempt::kDirectWithPassword ? options_.modulePassword
                         : mode == connection::ConnectAttempt::kThroughReceiver  ? options_.account
                                                                                 : QString();
  attempt.start(static_cast<connection::ConnectAttempt::Mode>(mode), host, options_.callPort, secret.toLatin1().toStdString());
  // The attempt ends itself after its 6000 ms.
  const Wait wait = waitFor([&] { return accepted || failure.has_value(); }, -1);
  if (wait == Wait::Interrupted) {
    attempt.abandon();
    return kInterrupted;
  }
  if (failure) {
    Say(progress_, tr("Error connect to %1:%2  %3")
                       .arg(host)
                       .arg(options_.callPort)
                       .arg(connection::ConnectAttempt::ResultText(*failure)));
    return kNoConnection;
  }
  if (wait != Wait::Done || (mode == connection::ConnectAttempt::kDirectWithPassword && !linkStands())) {
    Say(progress_, tr("the link to %1:%2 closed while logging in").arg(host).arg(options_.callPort));
    return kNoConnection;
  }
  return kSuccess;
}

int PanelSession::dial() {
  if (!options_.serialPorts.isEmpty()) serial::SetModemPortPaths(options_.serialPorts);
  serial::SerialWorker* worker = connection::StartGsmWorker({options_.phone, options_.gsmPassword, options_.gsmProtocol});
  if (!worker) return kNoConnection;  // not in a fresh process
  dial_.emplace(*worker, this);
  progress_.step(dial_->statusText());
  dial_->start();
  using Outcome = connection::GsmDial::Outcome;
  const Wait wait = waitFor([this] { return dial_->outcome() != Outcome::Going || dial_->stalled(); },
                            options_.timeoutSeconds * 1000);
  if (wait == Wait::Interrupted) return gsmGivenUp(kInterrupted, QString());
  if (wait == Wait::TimedOut)
    return gsmGivenUp(kNoConnection, tr("no call within %1 s: %2").arg(options_.timeoutSeconds).arg(dial_->statusText()));
  if (dial_->stalled())
    return gsmGivenUp(kNoConnection, tr("the call failed: %1").arg(dial_->failureText().trimmed()));
  if (dial_->outcome() == Outcome::Cancelled) {
    serial::StopSerialWorker(this);
    Say(progress_, tr("GSM Modem ( GT12-Port) not found."));
    return kNoConnection;
  }
  if (!connection::TakeGsmCall(*worker, this)) {
    Say(progress_, tr("the modem's port went away after the call was made"));
    return kNoConnection;
  }
  panel::PanelLink::instance().setActiveLink(panel::LinkKind::Serial);
  return kSuccess;
}

int PanelSession::gsmGivenUp(int code, const QString& why) {
  // Hang up as the dialling window's Cancel does, and wait for the worker to confirm.
  acknowledgeInterrupts();
  dial_->cancel();
  waitFor([this] { return dial_->outcome() != connection::GsmDial::Outcome::Going; }, kHangUpWaitMs);
  dial_->finish();
  serial::StopSerialWorker(this);
  if (!why.isEmpty()) Say(progress_, why);
  return code;
}

// ---- program mode

int PanelSession::enterProgramMode() {
  // A panel still in program mode (a run before lost its link) would take
  // the code's keys as a value for the parameter it stands on, so the code
  // waits for the lamps however slow the link is.
  const std::optional<bool> already = panelInProgramMode();
  // Known before an interrupt is: a panel found in program mode is left on the way out.
  if (already.value_or(false)) mayBeInProgramMode_ = true;
  if (interrupted()) return kInterrupted;
  if (lost_) return linkLostBeforeProgramMode();
  if (!already) {
    Say(progress_, tr("the panel did not show its state within %1 s, so it may be in program mode: the installer "
                      "code is not typed into it")
                       .arg(options_.timeoutSeconds));
    return kNoConnection;
  }
  if (*already) {
    Say(progress_, tr("the panel is in program mode already"));
    return kSuccess;
  }
  progress_.step(tr("Entering program mode"));
  programAnswer_.reset();
  mayBeInProgramMode_ = true;
  send(console::CodeEntryKeys(options_.installerCode.toStdString(), true));
  switch (waitFor([this] { return programAnswer_.has_value() || status_.programMode(); }, kProgramAnswerMs)) {
    case Wait::Done:
      if (programAnswer_ && !programAnswer_->entered) {
        Say(progress_, tr("the panel answered the installer code with: %1").arg(tr("Client mode - Not supported!")));
        return kNoProgramMode;
      }
      return kSuccess;
    case Wait::TimedOut:
      Say(progress_, tr("the panel did not take the installer code (a wrong code, or an area is armed)"));
      return kNoProgramMode;
    case Wait::LinkLost: return linkLostBeforeProgramMode();
    case Wait::Interrupted: return kInterrupted;
  }
  return kNoProgramMode;
}

int PanelSession::linkLostBeforeProgramMode() {
  Say(progress_, tr("the link to the panel was lost before program mode"));
  return kLinkLost;
}

bool PanelSession::close() {
  // A first Ctrl+C is what brought us here; a second one cuts the waits short.
  acknowledgeInterrupts();
  tap_ = nullptr;
  bool left = true;
  if (mayBeInProgramMode_) {
    if (!linkStands()) {
      Say(progress_, tr("the link to the panel is lost, so program mode could not be left: the panel stays in "
                        "program mode until it is left at its keypad or by the next backup, compare, restore "
                        "or events"));
      left = false;
    } else if (!leaveProgramMode()) {
      Say(progress_, tr("the panel still shows program mode after it was asked to leave it"));
      left = false;
    }
  }
  hangUp();
  progress_.clear();
  return left;
}

std::optional<bool> PanelSession::panelInProgramMode() {
  // The panel shows its lamps as soon as the link stands: a round trip and
  // the time to carry what it sends first. The time-out is for a panel that
  // says nothing at all.
  if (waitFor([this] { return status_.lamps.has_value(); }, options_.timeoutSeconds * 1000) != Wait::Done)
    return std::nullopt;
  return status_.programMode();
}

bool PanelSession::leaveProgramMode() {
  progress_.step(tr("Leaving program mode"));
  const bool shown = status_.programMode();
  send(panel::LeaveProgramMode());
  // The panel's lamps confirm it; without them the frame has at least gone out.
  if (shown) waitFor([this] { return !status_.programMode(); }, kLeaveConfirmMs);
  mayBeInProgramMode_ = false;
  return !status_.programMode();
}

void PanelSession::hangUp() {
  panel::PanelLink& link = panel::PanelLink::instance();
  if (link.activeLink() == panel::LinkKind::Serial) {
    if (serial::CurrentSerialWorker() && !lost_) {
      send(panel::EndOfCall());
      platform::Pause(kEndOfCallPauseMs);
    }
    serial::StopSerialWorker(this);
    return;
  }
  if (auto* work = dynamic_cast<panel::CWorkSocket*>(link.currentConnection())) {
    // What was sent last (leaving program mode) must reach the panel before the socket goes.
    QTcpSocket& socket = work->socket();
    if (socket.state() == QAbstractSocket::ConnectedState) {
      socket.flush();
      if (socket.bytesToWrite() > 0) socket.waitForBytesWritten(1000);
    }
  }
  link.closeCurrentConnection();
  if (listener_) listener_->server().close();
}

// ---- from the link

void PanelSession::handlePanelFrame(const std::uint8_t* frame, std::size_t length) {
  if (length == 1 && frame[0] == kPanelClosesByte) {
    // The panel ends the session, as it ends the keypad window.
    handleLinkClosed();
    return;
  }
  if (watcher_) watcher_(frame, length);
  const console::StatusFrame decoded = console::DecodeStatusFrame(frame, length);
  status_.apply(decoded);
  if (const auto* answer = std::get_if<console::ProgramModeAnswer>(&decoded.content)) programAnswer_ = *answer;
  if (tap_) tap_(frame, length);
  emit changed();
}

void PanelSession::handleLinkClosed() {
  lost_ = true;
  emit changed();
}

void PanelSession::handleSerialResult(int code, int value) {
  if (!dial_) return;
  const QString before = dial_->statusText();
  dial_->report(code, value);
  if (dial_->statusText() != before) progress_.step(dial_->statusText());
  emit changed();
}

}  // namespace ctl
