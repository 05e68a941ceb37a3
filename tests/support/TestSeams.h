#pragma once

#include <QMessageBox>
#include <QString>
#include <cstdint>
#include <deque>
#include <functional>
#include <vector>

#include "link/PanelLink.h"
#include "platform/Beeper.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/Timing.h"

// Fakes behind the seams. QtTestMain installs one of each for the whole run
// and clears them before every test.
namespace testseams {

struct Beep {
  int frequencyHz;
  int durationMs;
  friend bool operator==(const Beep&, const Beep&) = default;
};

class RecordingBeeper : public platform::Beeper {
 public:
  void beep(int frequencyHz, int durationMs) override { beeps.push_back({frequencyHz, durationMs}); }
  void defaultBeep() override { beeps.push_back({0, 0}); }
  std::vector<Beep> beeps;
};

struct ShownBox {
  platform::MessageBoxes::Kind kind;
  QString caption;
  QString text;
  QMessageBox::StandardButtons buttons;
};

// Answers boxes from a queue; with none queued it presses OK, or Yes when
// the box has no OK.
class ScriptedMessageBoxes : public platform::MessageBoxes {
 public:
  QMessageBox::StandardButton show(QWidget* parent, Kind kind, const QString& caption,
                                   const QString& text,
                                   QMessageBox::StandardButtons buttons) override;
  std::vector<ShownBox> shown;
  std::deque<QMessageBox::StandardButton> answers;
};

// Answers file choices from a queue of paths; with none queued the user cancels.
class ScriptedFileDialogs : public platform::FileDialogs {
 public:
  QString choose(QWidget* parent, const Request& request) override;
  std::vector<Request> asked;
  std::deque<QString> answers;
  std::function<void()> whileChoosing;  // what happens while the dialog is open
};

// Records what was asked for; timers and editor pauses run at `scale` of
// their time, blocking pauses return at once.
class RecordingTiming : public platform::Timing {
 public:
  int timerInterval(int requestedMs) override;
  void pause(int ms) override { pauses.push_back(ms); }
  int pauseInterval(int requestedMs) override;
  std::vector<int> timers;
  std::vector<int> pauses;
  double scale = 0.01;
};

// A current connection that keeps what it is given.
class RecordingConnection : public panel::LinkConnection {
 public:
  void transmit(std::uint8_t* bytes, std::uint16_t length, QObject* owner) override {
    writes.emplace_back(bytes, bytes + length);
    owners.push_back(owner);
  }
  void closeConnection() override { open = false; }
  bool isOpen() const override { return open; }
  bool holdsLine() const override { return open || connecting; }
  bool reachesSite() const override { return site; }
  std::vector<std::vector<std::uint8_t>> writes;
  std::vector<QObject*> owners;
  bool open = true;
  bool connecting = false;
  bool site = true;
};

// A main window that keeps the frames and link-closed news it is given.
class RecordingListener : public panel::LinkListener {
 public:
  void handlePanelFrame(const std::uint8_t* frame, std::size_t length) override {
    frames.emplace_back(frame, frame + length);
  }
  void handleLinkClosed() override { ++linkClosed; }
  std::vector<std::vector<std::uint8_t>> frames;
  int linkClosed = 0;
};

RecordingBeeper& Beeps();
ScriptedMessageBoxes& Boxes();
ScriptedFileDialogs& Files();
RecordingTiming& Times();

// Clears the fakes and the process-wide link; QtTestMain calls it before each test.
void ResetSeams();

// Runs the event loop until pred holds or timeoutMs passes; returns pred().
template <typename Pred>
bool WaitFor(Pred pred, int timeoutMs = 5000);

std::vector<std::uint8_t> Bytes(std::initializer_list<int> values);

}  // namespace testseams

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

namespace testseams {
template <typename Pred>
bool WaitFor(Pred pred, int timeoutMs) {
  QDeadlineTimer deadline(timeoutMs);
  while (!pred()) {
    if (deadline.hasExpired()) return pred();
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    if (!pred()) QThread::msleep(1);
  }
  return true;
}
}  // namespace testseams
